// Types a unit's declarations may name. Compiled once against the stand-in
// headers of the target package and once against the real library: each
// probe function's name, demangled, shows the type as the compiler sees it,
// and the two lists must agree.
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
#include <thread>
#include <condition_variable>
#include <limits>
#include <initializer_list>
#include <ratio>
#include <cstdarg>
#define P(n, ...) \
    void probe_##n(__VA_ARGS__*) {}
P(1, std::string) P(2, std::wstring) P(3, std::u16string) P(4, std::u32string)
P(5, std::string::size_type) P(6, std::string_view) P(7, std::vector<int>) P(8, std::vector<std::string>)
P(9, std::array<int, 3>) P(10, std::list<double>) P(11, std::deque<char>) P(12, std::map<std::string, int>)
P(13, std::multimap<int, int>) P(14, std::set<long>) P(15, std::multiset<int>) P(16, std::unordered_map<int, std::string>)
P(17, std::unordered_set<std::string>) P(18, std::unique_ptr<int>) P(19, std::shared_ptr<std::string>)
P(20, std::weak_ptr<int>) P(21, std::optional<int>) P(22, std::pair<int, double>) P(23, std::tuple<int, char, std::string>)
P(24, std::function<int(int, char)>) P(25, std::runtime_error) P(26, std::logic_error) P(27, std::out_of_range)
P(28, std::exception) P(29, std::bad_alloc) P(30, std::ostream) P(31, std::istream) P(32, std::iostream)
P(33, std::stringstream) P(34, std::ostringstream) P(35, std::istringstream) P(36, std::ifstream) P(37, std::ofstream)
P(38, std::fstream) P(39, std::size_t) P(40, std::ptrdiff_t) P(41, std::int8_t) P(42, std::int16_t) P(43, std::int32_t)
P(44, std::int64_t) P(45, std::uint8_t) P(46, std::uint16_t) P(47, std::uint32_t) P(48, std::uint64_t)
P(49, std::intptr_t) P(50, std::uintptr_t) P(51, std::intmax_t) P(52, std::uintmax_t) P(53, std::atomic<int>)
P(54, std::atomic_bool) P(55, std::atomic_uint32_t) P(56, std::mutex) P(57, std::recursive_mutex)
P(58, std::lock_guard<std::mutex>) P(59, std::unique_lock<std::mutex>) P(60, std::chrono::milliseconds)
P(61, std::chrono::seconds) P(62, std::chrono::hours) P(63, std::chrono::system_clock::time_point)
P(64, std::chrono::steady_clock::duration) P(65, std::chrono::nanoseconds) P(66, std::thread)
P(67, std::condition_variable) P(68, std::FILE) P(69, std::time_t) P(70, std::nullptr_t) P(71, std::byte)
P(72, std::max_align_t) P(73, std::initializer_list<int>) P(74, std::vector<int>::size_type)
P(75, std::map<int, int>::value_type) P(76, std::array<int, 4>::iterator) P(77, std::string_view::iterator)
P(78, std::va_list) P(79, std::div_t) P(80, std::streamsize) P(81, std::ratio<1, 1000>) P(82, std::milli)
P(83, std::numeric_limits<int>) P(84, std::hash<int>) P(85, std::less<int>) P(86, std::allocator<char>)
P(87, std::char_traits<char>) P(88, std::default_delete<int>) P(89, std::exception_ptr) P(90, std::memory_order)
P(91, std::atomic_flag) P(92, std::once_flag) P(93, std::timed_mutex) P(94, std::nothrow_t) P(95, std::bad_exception)
P(96, std::invalid_argument) P(97, std::length_error) P(98, std::domain_error) P(99, std::range_error)
P(100, std::overflow_error) P(101, std::underflow_error) P(102, std::wstring_view) P(103, std::ios_base)
P(104, std::streambuf) P(105, std::stringbuf) P(106, std::filebuf) P(107, std::wostream)
P(108, std::unordered_multimap<int, int>) P(109, std::unordered_multiset<int>) P(110, std::reference_wrapper<int>)
P(111, std::enable_shared_from_this<int>) P(112, std::bad_function_call) P(113, std::bad_optional_access)
P(114, std::nullopt_t) P(115, std::scoped_lock<std::mutex>) P(116, std::thread::id) P(117, std::cv_status)
P(118, std::chrono::high_resolution_clock) P(119, std::string::value_type) P(120, std::vector<bool>::size_type)
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <stdint.h>
#include <stddef.h>
#include <stdarg.h>
#include <time.h>
#include <inttypes.h>
P(121, size_t) P(122, ssize_t) P(123, ptrdiff_t) P(124, FILE) P(125, fpos_t) P(126, va_list)
P(127, int8_t) P(128, uint64_t) P(129, int_fast16_t) P(130, uint_least32_t) P(131, intptr_t) P(132, intmax_t)
P(133, time_t) P(134, clock_t) P(135, clockid_t) P(136, struct tm) P(137, struct timespec) P(138, div_t)
P(139, ldiv_t) P(140, imaxdiv_t) P(141, max_align_t) P(142, wchar_t) P(143, timer_t) P(144, struct itimerspec)
