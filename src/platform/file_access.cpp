#include "platform/file_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// The one file open for reading (-1: none), and the one file being written through a temporary copy.
static int readingFile = -1;

static int writingFile = -1;
static std::string writingTarget;
static std::string writingTemporary;
static bool writingFailed = false;
static bool targetExisted = false;
static struct stat targetStatus;
static uint8_t writeBuffer[65536];
static size_t writeBuffered = 0;

// Test aids: a write budget in bytes (negative: unlimited), a read budget, and one path that will not open.
static int64_t writeBudget = -1;
static int64_t writtenSoFar = 0;
static int64_t readBudget = -1;
static int64_t readSoFar = 0;
static std::string unreadablePath;

int64_t fileSize(const std::string& path) {
    struct stat status;
    if (path.empty() || stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return -1;
    return int64_t(status.st_size);
}

std::string currentDirectory() {
    char buffer[PATH_MAX];
    if (getcwd(buffer, sizeof buffer) == nullptr) return std::string();
    return std::string(buffer);
}

bool openForReading(const std::string& path) {
    closeReading();
    if (path.empty() || (!unreadablePath.empty() && path == unreadablePath)) return false;
    // Non-blocking so that a named pipe cannot hang the program; only regular files are read.
    const int file = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (file < 0) return false;
    struct stat status;
    if (fstat(file, &status) != 0 || !S_ISREG(status.st_mode)) {
        close(file);
        return false;
    }
    fcntl(file, F_SETFL, fcntl(file, F_GETFL) & ~O_NONBLOCK);
    readingFile = file;
    return true;
}

int64_t readBlock(void* destination, int64_t count) {
    if (readingFile < 0 || count <= 0) return 0;
    if (readBudget >= 0 && readSoFar + count > readBudget) count = readBudget > readSoFar ? readBudget - readSoFar : 0;
    uint8_t* bytes = static_cast<uint8_t*>(destination);
    int64_t total = 0;
    while (total < count) {
        const ssize_t got = read(readingFile, bytes + total, size_t(count - total));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        total += got;
    }
    readSoFar += total;
    return total;
}

int32_t readByte() {
    uint8_t value = 0;
    return readBlock(&value, 1) == 1 ? value : 0;
}

void closeReading() {
    if (readingFile >= 0) close(readingFile);
    readingFile = -1;
}

static std::string folderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

static std::string nameOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Root may write anything, so a file or folder with no write bit for anyone counts as read-only too.
static bool writable(const std::string& path, const struct stat& status) {
    return (status.st_mode & 0222) != 0 && access(path.c_str(), W_OK) == 0;
}

static void abandonWriting() {
    if (writingFile >= 0) close(writingFile);
    if (!writingTemporary.empty()) unlink(writingTemporary.c_str());
    writingFile = -1;
    writingTemporary.clear();
    writingTarget.clear();
    writeBuffered = 0;
}

bool createForWriting(const std::string& path) {
    abandonWriting();
    if (path.empty() || path.back() == '/') return false;
    std::string target = path;
    // Writing through a link replaces the file it points to, not the link.
    struct stat linkStatus;
    if (lstat(path.c_str(), &linkStatus) == 0 && S_ISLNK(linkStatus.st_mode)) {
        char* resolved = realpath(path.c_str(), nullptr);
        if (resolved != nullptr) {
            target = resolved;
            std::free(resolved);
        }
    }
    targetExisted = stat(target.c_str(), &targetStatus) == 0;
    if (targetExisted && (!S_ISREG(targetStatus.st_mode) || !writable(target, targetStatus))) return false;
    const std::string folder = folderOf(target);
    struct stat folderStatus;
    if (stat(folder.c_str(), &folderStatus) != 0 || !S_ISDIR(folderStatus.st_mode) || !writable(folder, folderStatus))
        return false;

    std::string pattern = (folder == "/" ? std::string() : folder) + "/." + nameOf(target) + ".XXXXXX";
    const int file = mkstemp(pattern.data());
    if (file < 0) return false;
    fcntl(file, F_SETFD, FD_CLOEXEC);
    writingFile = file;
    writingTarget = target;
    writingTemporary = pattern;
    writingFailed = false;
    writeBuffered = 0;
    return true;
}

// Hands the buffered bytes to the system; a short or failed write marks the whole file as failed.
static void flushWriteBuffer() {
    size_t done = 0;
    while (done < writeBuffered && !writingFailed) {
        size_t chunk = writeBuffered - done;
        if (writeBudget >= 0) {
            const int64_t left = writeBudget - writtenSoFar;
            if (left <= 0) {
                errno = ENOSPC;
                writingFailed = true;
                break;
            }
            if (int64_t(chunk) > left) chunk = size_t(left);
        }
        const ssize_t put = write(writingFile, writeBuffer + done, chunk);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) {
            writingFailed = true;
            break;
        }
        done += size_t(put);
        writtenSoFar += put;
    }
    writeBuffered = 0;
}

void writeBlock(const void* data, int64_t count) {
    if (writingFile < 0 || count <= 0) return;
    const uint8_t* bytes = static_cast<const uint8_t*>(data);
    while (count > 0 && !writingFailed) {
        const size_t room = sizeof writeBuffer - writeBuffered;
        const size_t part = size_t(count) < room ? size_t(count) : room;
        std::memcpy(writeBuffer + writeBuffered, bytes, part);
        writeBuffered += part;
        bytes += part;
        count -= int64_t(part);
        if (writeBuffered == sizeof writeBuffer) flushWriteBuffer();
    }
}

void writeByte(uint8_t value) { writeBlock(&value, 1); }

static mode_t newFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool finishWriting() {
    if (writingFile < 0) return false;
    flushWriteBuffer();
    bool ok = !writingFailed && fsync(writingFile) == 0;
    if (ok) ok = fchmod(writingFile, targetExisted ? (targetStatus.st_mode & 07777) : newFileMode()) == 0;
    if (ok && targetExisted) {
        // Keep the owner of a replaced file where the system allows it; a refusal is not an error.
        const int ownerKept = fchown(writingFile, targetStatus.st_uid, targetStatus.st_gid);
        (void)ownerKept;
    }
    ok = close(writingFile) == 0 && ok;
    writingFile = -1;
    if (ok) ok = rename(writingTemporary.c_str(), writingTarget.c_str()) == 0;
    if (!ok) {
        abandonWriting();
        return false;
    }
    // Make the rename itself durable; some file systems cannot sync a folder, and the data is in place anyway.
    const int folder = open(folderOf(writingTarget).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        fsync(folder);
        close(folder);
    }
    writingTemporary.clear();
    writingTarget.clear();
    return true;
}

void simulateFullDiskAfter(int64_t bytes) {
    writeBudget = bytes;
    writtenSoFar = 0;
}

void simulateShortReadAfter(int64_t bytes) {
    readBudget = bytes;
    readSoFar = 0;
}

void simulateUnreadable(const std::string& path) { unreadablePath = path; }
