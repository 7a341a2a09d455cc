// The store's byte layout and its safe writing.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "numeric/offset_arrays.h"
#include "scan/lead_field_svd_store.h"
#include "scan/scan_error.h"

namespace fs = std::filesystem;

namespace {

std::string temporary_folder() {
  const fs::path folder = fs::temp_directory_path() / ("eegscan-store-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  return folder.string();
}

std::vector<unsigned char> file_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

TEST(LeadFieldSvdStore, RecordIsURowsThenVRowsThenWLittleEndian) {
  const int nSensors = 4;
  DMatrix U(1, nSensors, 1, 3), V(1, 3, 1, 3);
  DVector w(1, 3);
  double next = 1.0;
  for (int i = 1; i <= nSensors; ++i)
    for (int c = 1; c <= 3; ++c) U[i][c] = next++;
  for (int j = 1; j <= 3; ++j)
    for (int c = 1; c <= 3; ++c) V[j][c] = next++;
  for (int c = 1; c <= 3; ++c) w[c] = next++;

  ASSERT_EQ(store_record_bytes(nSensors), 24u * nSensors + 96u);
  std::vector<unsigned char> record(store_record_bytes(nSensors));
  encode_store_record(U.get(), V.get(), w.get(), nSensors, record.data());
  // 1.0 is 0x3FF0000000000000: the sign/exponent byte comes last.
  EXPECT_EQ(record[7], 0x3F);
  EXPECT_EQ(record[6], 0xF0);
  for (std::size_t k = 0; k < record.size() / 8; ++k) {
    double value;
    std::memcpy(&value, &record[8 * k], 8);  // this machine is little-endian
    EXPECT_EQ(value, static_cast<double>(k + 1));
  }

  DMatrix U2(1, nSensors, 1, 3), V2(1, 3, 1, 3);
  DVector w2(1, 3);
  decode_store_record(record.data(), nSensors, U2.get(), V2.get(), w2.get());
  EXPECT_EQ(U2[4][3], 12.0);
  EXPECT_EQ(V2[3][3], 21.0);
  EXPECT_EQ(w2[3], 24.0);
}

TEST(LeadFieldSvdStore, FailedWriteLeavesTheOlderStoreAndNoTemporaryFile) {
  const std::string folder = temporary_folder();
  const std::string path = folder + "/store.bin";
  { std::ofstream(path, std::ios::binary) << "older"; }
  {
    StoreWriter writer(path);
    const unsigned char bytes[3] = {1, 2, 3};
    writer.write(bytes, 3);
    // Abandoned without commit, as when a computation throws.
  }
  EXPECT_EQ(file_bytes(path), std::vector<unsigned char>({'o', 'l', 'd', 'e', 'r'}));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);

  {
    StoreWriter writer(path);
    const unsigned char bytes[3] = {1, 2, 3};
    writer.write(bytes, 3);
    writer.commit();
  }
  EXPECT_EQ(file_bytes(path), std::vector<unsigned char>({1, 2, 3}));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
  fs::remove_all(folder);
}

TEST(LeadFieldSvdStore, UnwritablePathsAndMisfitStoresAreRefused) {
  const std::string folder = temporary_folder();
  EXPECT_THROW(StoreWriter{folder + "/missing/store.bin"}, ScanError);
  EXPECT_THROW(StoreWriter{folder}, ScanError);
  EXPECT_THROW((StoreReader{folder + "/absent.bin", 4, 1}), ScanError);

  const std::string path = folder + "/store.bin";
  { std::ofstream(path, std::ios::binary) << std::string(384, 'x'); }
  EXPECT_NO_THROW((StoreReader{path, 4, 2}));   // two records of 4 sensors
  EXPECT_NO_THROW((StoreReader{path, 4, 1}));   // longer than needed
  EXPECT_THROW((StoreReader{path, 4, 3}), ScanError);  // too short
  try {
    StoreReader reader(path, 5, 1);  // 384 is not a whole number of 216-byte records
    FAIL();
  } catch (const ScanError& error) {
    EXPECT_NE(std::string(error.what()).find("384"), std::string::npos);
    EXPECT_NE(std::string(error.what()).find("216"), std::string::npos);
  }
  fs::remove_all(folder);
}

}  // namespace
