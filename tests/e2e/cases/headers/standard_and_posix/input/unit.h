/* A unit whose header includes what real units include: the C++ standard
   library, the C library, POSIX and third-party headers. */
#ifndef UNIT_H
#define UNIT_H

#include <string>
#include <string_view>
#include <vector>
#include <array>
#include <list>
#include <deque>
#include <map>
#include <set>
#include <unordered_map>
#include <unordered_set>
#include <memory>
#include <optional>
#include <utility>
#include <tuple>
#include <functional>
#include <algorithm>
#include <stdexcept>
#include <exception>
#include <new>
#include <iostream>
#include <sstream>
#include <fstream>
#include <cstdint>
#include <cstddef>
#include <cstring>
#include <cstdio>
#include <cstdlib>
#include <cmath>
#include <climits>
#include <cassert>
#include <atomic>
#include <mutex>
#include <chrono>

#include <pthread.h>
#include <unistd.h>
#include <sys/types.h>
#include <signal.h>
#include <fcntl.h>
#include <setjmp.h>
#include <wchar.h>
#include <float.h>
#include <stdio.h>
#include <stdint.h>
#include <zlib.h>
#include <sqlite3.h>

struct Channel {
    std::string name;
    std::vector<std::uint16_t> samples;
    std::map<std::string, int> limits;
    std::unique_ptr<int> owner;
    std::optional<long> deadline;
    std::chrono::milliseconds period;
    std::atomic<int> readers;
    std::function<void(int)> onChange;
    pthread_mutex_t lock;
    pid_t producer;
    sig_atomic_t stop;
    jmp_buf recovery;
    z_stream stream;
    sqlite3* journal;
};

class ChannelError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline int unit_twice(int x) { return 2 * x; }

#endif
