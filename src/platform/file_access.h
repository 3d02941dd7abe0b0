// File access for pictures: one file open at a time, read sequentially or written safely.
#pragma once
#include <cstdint>
#include <string>

// Size of an existing regular file; negative for an empty path, nothing there, or a directory.
int64_t fileSize(const std::string& path);
// Absolute path of the current directory.
std::string currentDirectory();

// Opens an existing regular file; false for anything else. Opening closes any file still open.
bool openForReading(const std::string& path);
// Reads up to `count` bytes; returns how many were read. Bytes beyond those keep their contents.
int64_t readBlock(void* destination, int64_t count);
// The next byte, 0..255; 0 at end of file.
int32_t readByte();
void closeReading();

// Starts writing `path`: the bytes go to a temporary file beside it, and the target is replaced
// only by finishWriting. False when the target or its folder cannot be written.
bool createForWriting(const std::string& path);
void writeBlock(const void* data, int64_t count);
void writeByte(uint8_t value);
// Flushes the temporary file to disk and puts it in place of the target, keeping the target's
// permissions. False, with the target untouched and the temporary file gone, if any step failed.
bool finishWriting();

// Test aids. Writes fail, as on a full disk, once this many bytes have been written (negative: never).
void simulateFullDiskAfter(int64_t bytes);
// Reads stop, as at end of file, once this many bytes have been read (negative: never).
void simulateShortReadAfter(int64_t bytes);
// openForReading fails for this one path, as for a file without read permission ("": none).
void simulateUnreadable(const std::string& path);
