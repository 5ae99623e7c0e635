#pragma once
// Whether standard error is a terminal: progress lines are for a person watching, never for a log
// file or a pipe. One small platform call, kept apart so that it can move with the others.
namespace vek {

bool StderrIsTerminal();

}  // namespace vek
