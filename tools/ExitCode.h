// The three exit codes of hxwt, one rule for every subcommand.
#pragma once

namespace hxwt {

// 0: the job ran and succeeded.
// 1: the job ran and its answer is negative (the graph was not built, check
//    found faults, the drawing holds no elevation samples), or the host
//    refused a call the job needed (an object that did not open, a drawing
//    written without some of its objects); no incomplete output is left.
// 2: the job could not run: bad usage (command line, option values, options
//    that do not go together), an input that does not read, or an output
//    that cannot be written.
enum ExitCode : int { kExitOk = 0, kExitNegative = 1, kExitUsage = 2 };

} // namespace hxwt
