// What an exception that nothing catches does: the process ends at once, as
// it would with the runtime library's own handler, whose text on standard
// error no player of a GUI program sees. Defined here, the library's handler
// and the symbol demangler it prints with stay out of the program.
#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    std::abort();
}

} // namespace __gnu_cxx
