#include "app/terminate_process.h"

#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace dalmiro {

void TerminateOwnProcess() {
#ifdef _WIN32
    TerminateProcess(GetCurrentProcess(), 0);
#else
    _exit(0);
#endif
    std::_Exit(0);
}

} // namespace dalmiro
