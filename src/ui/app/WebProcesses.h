#pragma once

/// WebKit's web content processes started by this program that are still
/// running. Each web view has one; it ends shortly after its view is
/// destroyed.
int RunningWebProcesses();

/// Lets the event loop run until this program's web content processes have
/// ended, at most `timeoutMs` ms. A program that exits before would leave
/// them behind, starting up on a display that may be gone by then.
/// UI thread only.
void WaitForWebProcesses(int timeoutMs);
