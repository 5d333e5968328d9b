#pragma once

#include <QString>

// Folder of the running program with a trailing "/". The environment variable
// VESPIRA_PROGRAM_DIR replaces it, so tests and installs can point the
// programs at another folder of settings and skins.
QString ProgramFolder();
