// The LeadFieldSvdStore: one record per grid point, back to back, no header.
//
// A record is 3 * nSensors + 12 IEEE binary64 doubles in little-endian byte
// order (24 * nSensors + 96 bytes): U by rows (nSensors rows of three), then
// V by rows (three rows of three), then w[1], w[2], w[3]. Record p belongs to
// grid point p. The file records nothing else: a reader must use the same
// sensors, in the same order, and the same grid as the writer.
//
// StoreWriter writes the records into a temporary file beside the target and
// renames it over the target only when every record is out and the file is
// flushed and closed, so a failed call leaves no partial store and leaves an
// older store at that path as it was. StoreReader opens a store read-only and
// checks its length against the call before anything is read.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

// Bytes of one record for nSensors sensors.
std::size_t store_record_bytes(int nSensors);

// Writes U (1..nSensors x 1..3), V (1..3 x 1..3) and w (1..3) as one record.
void encode_store_record(double** U, double** V, const double* w, int nSensors,
                         unsigned char* record);

// Reads one record into U, V and w.
void decode_store_record(const unsigned char* record, int nSensors, double** U, double** V,
                         double* w);

class StoreWriter {
 public:
  // Creates the temporary file; throws ScanError naming the path when the
  // target cannot be written (missing folder, no permission, a folder there).
  explicit StoreWriter(const std::string& path);
  ~StoreWriter();  // removes the temporary file unless commit() succeeded
  StoreWriter(const StoreWriter&) = delete;
  StoreWriter& operator=(const StoreWriter&) = delete;

  // Appends bytes; throws ScanError on a failed write (a full disk).
  void write(const unsigned char* bytes, std::size_t count);
  // Flushes, closes and renames over the target; throws ScanError on failure.
  void commit();

 private:
  std::string path_;
  std::string temporaryPath_;
  std::FILE* file_ = nullptr;
  bool committed_ = false;
};

class StoreReader {
 public:
  // Opens the store read-only and checks that its length is a whole number of
  // records of this sensor count and holds at least nPoints records; throws
  // ScanError stating the expected and the actual size otherwise.
  StoreReader(const std::string& path, int nSensors, long nPoints);
  ~StoreReader();
  StoreReader(const StoreReader&) = delete;
  StoreReader& operator=(const StoreReader&) = delete;

  // Reads the next `count` bytes; throws ScanError when the file ends early.
  void read(unsigned char* bytes, std::size_t count);

 private:
  std::string path_;
  std::FILE* file_ = nullptr;
};
