/* Ring buffer of the acquisition chain: the unit under test of the example
   script ringbuffer.ptu. */
#ifndef RINGBUFFER_H
#define RINGBUFFER_H

#define RB_CAPACITY 8

typedef struct RingBuffer {
    int items[RB_CAPACITY];
    int head;   /* next item to read */
    int count;  /* items held */
} RingBuffer;

inline void rb_init(RingBuffer *rb) {
    rb->head = 0;
    rb->count = 0;
}

/* False when the buffer is full; the item is then dropped. */
inline bool rb_push(RingBuffer *rb, int item) {
    if (rb->count == RB_CAPACITY) return false;
    rb->items[(rb->head + rb->count) % RB_CAPACITY] = item;
    ++rb->count;
    return true;
}

/* False when the buffer is empty. */
inline bool rb_pop(RingBuffer *rb, int *item) {
    if (rb->count == 0) return false;
    *item = rb->items[rb->head];
    rb->head = (rb->head + 1) % RB_CAPACITY;
    --rb->count;
    return true;
}

/* The buffer the tests work on, the item read last and what the last call
   answered. */
RingBuffer samples;
int sample;
bool accepted;

#endif
