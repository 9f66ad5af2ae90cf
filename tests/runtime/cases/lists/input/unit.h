// The unit under test of the case: a queue that the call moves on by one,
// and a reading through a sensor that the test stubs.
#ifdef __cplusplus
#include <list>
std::list<int> queue;
inline void process() {
    queue.push_back(4);
    queue.pop_front();
}
#endif

int sensor(int channel);
int sum;
inline void sample() { sum = sensor(1) + sensor(3); }
