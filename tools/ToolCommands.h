// The subcommands of hxwt. Each registers itself on the CLI11 application and
// records the process exit code when it runs.
#pragma once

#include <CLI/CLI.hpp>

namespace hxwt {

// hxwt run COMMAND [--module PATH]: loads the module as the host does, runs a
// command of the command stack by name and prints the command line.
void addRunCommand(CLI::App& app);
// hxwt check FILE.dxf [--plan] [--fix -o OUT.dxf]: overlapping and zero-length pipes.
void addCheckCommand(CLI::App& app);
// hxwt elevation FILE.dxf [X,Y ...] [--grid X0,Y0,X1,Y1,STEP] [--svg FILE] [--json]
void addElevationCommand(CLI::App& app);
// hxwt info FILE.dxf: entities by kind, layers, blocks, registered
// applications and custom entities of a drawing.
void addInfoCommand(CLI::App& app);
// hxwt copy IN.dxf OUT.dxf: reads a drawing and writes it again.
void addCopyCommand(CLI::App& app);

// hxwt sample NAME OUT.dxf: draws a bundled sample network and saves it.
void addSampleCommand(CLI::App& app);

// hxwt network FILE.dxf --pick HANDLE --at X,Y: the pipe network graph.
void addNetworkCommand(CLI::App& app);

// hxwt path FILE.dxf --from HANDLE --to HANDLE: the gravity path.
void addPathCommand(CLI::App& app);

// hxwt export FILE.dxf --pick HANDLE --at X,Y [--pressure] -o NETWORK.inp:
// the network as an EPANET or SWMM input file.
void addExportCommand(CLI::App& app);

// hxwt import NETWORK.inp -o FILE.dxf: an EPANET or SWMM network drawn.
void addImportCommand(CLI::App& app);

// hxwt lib path|3d|sample: part-library lookups (LibCommand.cpp).
void addLibCommand(CLI::App& app);
// hxwt valve size FILE.dxf [--ref HANDLE] [--set L,H] [-o OUT.dxf] (ValveCommand.cpp).
void addValveCommand(CLI::App& app);
// hxwt report FILE.dxf --pick HANDLE --at X,Y -o REPORT.docx: a Word report.
void addReportCommand(CLI::App& app);

// The exit code recorded by the subcommand that ran (0 when none failed).
int exitCode();
void setExitCode(int code);

} // namespace hxwt
