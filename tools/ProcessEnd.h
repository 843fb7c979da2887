// ProcessEnd: how the tool ends its process once every output is written.
//
// A whole-city drawing and its graph take seconds to free piece by piece,
// and the OS takes the process's memory back at once anyway. So the tool
// keeps what it would only free at the end (keepUntilExit) and, when the
// run is over and standard output was flushed and checked, leaves through
// std::quick_exit (endProcess): static objects (the host's documents and
// their drawings) and the kept objects are not destroyed one by one. The
// host's exit hooks registered with at_quick_exit still run (its test
// report of the ledger). Builds with AddressSanitizer take the ordinary
// exit, so the leak checker still sees every free.
#pragma once

#include <memory>
#include <utility>

namespace hxwt {

namespace detail {
void keepAnything(std::shared_ptr<void> object);
}

// Keeps object alive until the process ends; freed only by an ordinary exit.
template <class T> void keepUntilExit(std::unique_ptr<T> object) {
    detail::keepAnything(std::shared_ptr<T>(std::move(object)));
}

// Ends the process with code, without destroying static objects (ordinary
// return from main where AddressSanitizer is built in). Call only after
// every output has been flushed and checked.
[[noreturn]] void endProcess(int code);

} // namespace hxwt
