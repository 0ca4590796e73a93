#pragma once
// The skinpack commands as a callable unit, so that tests can run them without a process.

#include <cstdint>
#include <ostream>
#include <vector>

#include "framework/core/Types.h"

class TSkinReader;

// Args excludes the program name. Returns the process exit status: 0 success, 1 a failed command
// (bad input, missing file, verification problems), 2 a usage error.
int RunSkinpack(const std::vector<String>& Args, std::ostream& Out, std::ostream& Err);

// Individual commands; each reports on Err and returns the exit status.
int CmdCompress(const String& In, const String& OutFile, std::ostream& Out, std::ostream& Err);
int CmdDecompress(const String& In, const String& OutFile, std::ostream& Out, std::ostream& Err);
int CmdPack(const String& Dir, const String& OutFile, uint32_t Version, std::ostream& Out, std::ostream& Err);
int CmdUnpack(const String& Archive, const String& Dir, std::ostream& Out, std::ostream& Err);
int CmdList(const String& Archive, std::ostream& Out, std::ostream& Err);
int CmdVerify(const String& Archive, std::ostream& Out, std::ostream& Err);

// Loads Archive for command Cmd, reporting a missing file or a non-archive on Err.
bool OpenArchive(const String& Cmd, const String& Archive, TSkinReader& Reader, std::ostream& Err);
