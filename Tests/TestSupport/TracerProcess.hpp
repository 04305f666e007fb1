#pragma once
// Attaches a minimal debugger to the calling process, so that the paths taken
// only under a debugger run for real: a forked tracer attaches with ptrace,
// lets the process run on, and at its first breakpoint trap swallows the trap
// and detaches, as a developer pressing "continue" would.

// Returns once the tracer is attached, or false when tracing is not allowed here.
// Call it only in a child of RunInChildProcess: the tracer lives until the
// process traps or ends.
bool AttachTracerToThisProcess();
