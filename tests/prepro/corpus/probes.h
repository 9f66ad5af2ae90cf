/* gcc answers its built-in probes as vorne-cpp does, so that the outputs
   can be compared token for token. */
#define __has_attribute(x) 0
#define __has_cpp_attribute(x) 0
#define __has_c_attribute(x) 0
#define __has_builtin(x) 0
#define __has_feature(x) 0
#define __has_extension(x) 0
#define __has_warning(x) 0
