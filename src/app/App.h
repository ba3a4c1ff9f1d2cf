#pragma once

// The program: hands over to a settings window that is already open, or opens one and runs it.
// Returns the process exit code.
int RunSettingsApp();
