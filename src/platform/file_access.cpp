#include "platform/file_access.h"

int64_t fileSize(const std::string&) { return -1; }
std::string currentDirectory() { return "/"; }
bool openForReading(const std::string&) { return false; }
int64_t readBlock(void*, int64_t) { return 0; }
int32_t readByte() { return 0; }
void closeReading() {}
bool createForWriting(const std::string&) { return false; }
void writeBlock(const void*, int64_t) {}
void writeByte(uint8_t) {}
bool finishWriting() { return false; }
void simulateFullDiskAfter(int64_t) {}
