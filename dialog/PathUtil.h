// Path helpers of the export conditions dialog. Paths are CP932 Windows paths; a byte 0x5C
// that is the trail byte of a double-byte character is never a separator.
#pragma once

#include "platform/WinTypes.h"

#include <cstddef>
#include <string>
#include <string_view>

// Work buffers for paths: MAX_PATH bytes and the terminator.
inline constexpr std::size_t PATH_BUF = MAX_PATH + 1;

// No doubled backslash (after a share's leading pair) and none of / : , ; * ? " > < |
// after the drive or share prefix.
BOOL IsValidPathChars(const char* szPath);
// The share root is readable and writable, or the first byte is a usable drive letter.
BOOL IsValidDrive(const char* szPath);
// A drive letter whose root is a removable, fixed or remote drive accessible with nMode
// (_access), or of a type that is not known to refuse.
BOOL IsDriveUsable(char cDrive, int nMode);

// The text up to and including the last backslash; empty when there is none.
std::string SplitFolder(std::string_view path);
// The text after the last backslash; the whole text when there is none.
std::string SplitFileName(std::string_view path);

// TRUE when nPos is the lead or the trail byte of a double-byte character of szText.
BOOL IsInDbcsChar(const char* szText, std::size_t nPos);
// Makes szPath end with a separator within nSize bytes (terminator included).
BOOL AddBackslash(char* szPath, std::size_t nSize);
// Cuts szPath in place to its drive and folder, ending with a separator.
BOOL GetFolderPart(char* szPath);
// Whether the folder part of szPath (or the whole text) exists as a folder.
BOOL IsFolder(const char* szPath);

// Creates every missing level of szFolder; a failure removes again what this call made,
// and never a folder that was there before.
BOOL CreateFolderChain(const char* szFolder);
// Removes the levels of szFailedLevel below szLastExisting that exist as folders. FALSE
// (nothing removed) when the two do not share root and beginning.
BOOL RemoveCreatedFolders(const char* szFailedLevel, const char* szLastExisting);
