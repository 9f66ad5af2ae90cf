/* Sensor table of the acquisition chain: the C unit under test of the
   example script sensors.ptu. */
#ifndef SENSORS_H
#define SENSORS_H

#include <string.h>

#define SENSOR_COUNT 4
#define NAME_LENGTH 12

typedef enum { SENSOR_OFF, SENSOR_IDLE, SENSOR_ACTIVE, SENSOR_FAULT } sensor_state;

typedef struct {
    int low;
    int high;
} range_t;

typedef struct {
    char name[NAME_LENGTH];
    sensor_state state;
    range_t limits;
    int reading;
    double gain;
} sensor_t;

/* The table, the sensor selected last, the last error and the statistics. */
sensor_t sensors[SENSOR_COUNT];
sensor_t *selected;
const char *last_error;
int histogram[2][3];
unsigned active_count;
double average;

/* Selects a sensor by index; NULL and an error text when there is none. */
sensor_t *sensor_select(int index) {
    if (index < 0 || index >= SENSOR_COUNT) {
        last_error = "no such sensor";
        selected = NULL;
        return NULL;
    }
    last_error = "";
    selected = &sensors[index];
    return selected;
}

/* Stores a raw reading scaled by the gain; a reading outside the limits
   puts the sensor in fault. */
void sensor_update(sensor_t *s, int raw) {
    s->reading = (int)(raw * s->gain);
    s->state = s->reading < s->limits.low || s->reading > s->limits.high ? SENSOR_FAULT : SENSOR_ACTIVE;
}

/* The active sensors and the average of their readings. */
void sensor_statistics(void) {
    int sum = 0;
    active_count = 0;
    for (int k = 0; k < SENSOR_COUNT; ++k)
        if (sensors[k].state == SENSOR_ACTIVE) {
            ++active_count;
            sum += sensors[k].reading;
        }
    average = active_count ? (double)sum / active_count : 0.0;
}

/* Counts readings per sensor group (row) and band (column). */
void sensor_histogram(int group, int reading) {
    const int band = reading < 100 ? 0 : reading < 200 ? 1 : 2;
    ++histogram[group][band];
}

#endif
