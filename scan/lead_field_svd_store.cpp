#include "scan/lead_field_svd_store.h"

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "scan/scan_error.h"

#if defined(_WIN32)
#include <process.h>
#define EEGSCAN_PROCESS_ID _getpid()
#else
#include <unistd.h>
#define EEGSCAN_PROCESS_ID getpid()
#endif

namespace {

// On a little-endian machine the bytes of a double already are the store's
// bytes; elsewhere they are put in that order one by one.
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
void put_little_endian(double value, unsigned char* out) { std::memcpy(out, &value, 8); }

double get_little_endian(const unsigned char* in) {
  double value;
  std::memcpy(&value, in, 8);
  return value;
}
#else
void put_little_endian(double value, unsigned char* out) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  for (int k = 0; k < 8; ++k) out[k] = static_cast<unsigned char>(bits >> (8 * k));
}

double get_little_endian(const unsigned char* in) {
  std::uint64_t bits = 0;
  for (int k = 0; k < 8; ++k) bits |= static_cast<std::uint64_t>(in[k]) << (8 * k);
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}
#endif

std::string system_reason() { return std::strerror(errno); }

}  // namespace

std::size_t store_record_bytes(int nSensors) {
  return (3 * static_cast<std::size_t>(nSensors) + 12) * 8;
}

void encode_store_record(double** U, double** V, const double* w, int nSensors,
                         unsigned char* record) {
  for (int i = 1; i <= nSensors; ++i) {
    for (int c = 1; c <= 3; ++c, record += 8) put_little_endian(U[i][c], record);
  }
  for (int j = 1; j <= 3; ++j) {
    for (int c = 1; c <= 3; ++c, record += 8) put_little_endian(V[j][c], record);
  }
  for (int c = 1; c <= 3; ++c, record += 8) put_little_endian(w[c], record);
}

void decode_store_record(const unsigned char* record, int nSensors, double** U, double** V,
                         double* w) {
  for (int i = 1; i <= nSensors; ++i) {
    for (int c = 1; c <= 3; ++c, record += 8) U[i][c] = get_little_endian(record);
  }
  for (int j = 1; j <= 3; ++j) {
    for (int c = 1; c <= 3; ++c, record += 8) V[j][c] = get_little_endian(record);
  }
  for (int c = 1; c <= 3; ++c, record += 8) w[c] = get_little_endian(record);
}

StoreWriter::StoreWriter(const std::string& path) : path_(path) {
  namespace fs = std::filesystem;
  std::error_code error;
  if (path.empty()) throw ScanError("file", "the store path is empty");
  if (fs::is_directory(fs::path(path), error)) {
    throw ScanError("file", "cannot write the store '" + path + "': it is a folder");
  }
  static std::atomic<unsigned> serial{0};
  temporaryPath_ = path + ".partial-" + std::to_string(EEGSCAN_PROCESS_ID) + "-" +
                   std::to_string(serial++);
  // "x": fail rather than reuse a file that happens to have this name.
  file_ = std::fopen(temporaryPath_.c_str(), "wbx");
  if (file_ == nullptr) {
    throw ScanError("file", "cannot create the store '" + path + "': " + system_reason());
  }
}

StoreWriter::~StoreWriter() {
  if (file_ != nullptr) std::fclose(file_);
  if (!committed_) std::remove(temporaryPath_.c_str());
}

void StoreWriter::write(const unsigned char* bytes, std::size_t count) {
  if (count > 0 && std::fwrite(bytes, 1, count, file_) != count) {
    throw ScanError("file", "cannot write the store '" + path_ + "': " + system_reason());
  }
}

void StoreWriter::commit() {
  const bool flushed = std::fflush(file_) == 0 && !std::ferror(file_);
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  if (!flushed || !closed) {
    throw ScanError("file", "cannot write the store '" + path_ + "': " + system_reason());
  }
  std::error_code error;
  std::filesystem::rename(temporaryPath_, path_, error);
  if (error) {
    throw ScanError("file", "cannot write the store '" + path_ + "': " + error.message());
  }
  committed_ = true;
}

StoreReader::StoreReader(const std::string& path, int nSensors, long nPoints) : path_(path) {
  namespace fs = std::filesystem;
  std::error_code error;
  if (path.empty()) throw ScanError("file", "the store path is empty");
  if (!fs::is_regular_file(fs::path(path), error)) {
    throw ScanError("file", "cannot open the store '" + path + "': no such file");
  }
  const std::uintmax_t actual = fs::file_size(fs::path(path), error);
  if (error) {
    throw ScanError("file", "cannot open the store '" + path + "': " + error.message());
  }
  const std::uintmax_t record = store_record_bytes(nSensors);
  const std::uintmax_t expected = record * static_cast<std::uintmax_t>(nPoints);
  if (actual % record != 0 || actual < expected) {
    throw ScanError("store", "the store '" + path + "' does not fit this call: " +
                                 std::to_string(nPoints) + " points of " +
                                 std::to_string(nSensors) + " sensors need " +
                                 std::to_string(expected) + " bytes in records of " +
                                 std::to_string(record) + " bytes, but the file has " +
                                 std::to_string(actual) + " bytes");
  }
  file_ = std::fopen(path.c_str(), "rb");
  if (file_ == nullptr) {
    throw ScanError("file", "cannot open the store '" + path + "': " + system_reason());
  }
}

StoreReader::~StoreReader() {
  if (file_ != nullptr) std::fclose(file_);
}

void StoreReader::read(unsigned char* bytes, std::size_t count) {
  if (count > 0 && std::fread(bytes, 1, count, file_) != count) {
    throw ScanError("store", "cannot read the store '" + path_ + "': it ended early");
  }
}
