#include "core/setup/ChoiceRecords.h"

#include <array>
#include <fstream>
#include <system_error>

#include "core/setup/Components.h"

namespace fs = std::filesystem;

namespace optaset {

namespace {

fs::path Below(const fs::path& folder, std::string_view name) { return folder / fs::path(name); }

void WriteLine(std::ofstream& out, std::string_view line) {
  out.write(line.data(), static_cast<std::streamsize>(line.size()));
  out.write(kLineEnd.data(), static_cast<std::streamsize>(kLineEnd.size()));
}

// Streams the source into a sibling of the target and moves it over the target only when
// every byte arrived, so a failing copy never leaves a truncated backup in place of a good one.
void CopyWhole(const fs::path& from, const fs::path& to) {
  std::ifstream in(from, std::ios::binary);
  if (!in) return;
  fs::path part = to;
  part += ".part";
  bool ok = false;
  {
    std::ofstream out(part, std::ios::binary | std::ios::trunc);
    if (!out) return;
    std::array<char, 16384> buf;
    while (in) {
      in.read(buf.data(), static_cast<std::streamsize>(buf.size()));
      std::streamsize got = in.gcount();
      if (got > 0) out.write(buf.data(), got);
      if (!out) break;
    }
    ok = in.eof() && !in.bad() && out.good();
    out.close();
    ok = ok && !out.fail();
  }
  std::error_code ec;
  if (ok) {
    fs::rename(part, to, ec);
    if (!ec) return;
  }
  fs::remove(part, ec);
}

}  // namespace

void DeleteOldMarkers(const fs::path& appFolder) {
  if (appFolder.empty()) return;
  std::error_code ec;
  fs::remove(Below(appFolder, kCancelAllMarker), ec);
  for (const OptionalComponent& item : OptionalComponents()) fs::remove(Below(appFolder, item.marker), ec);
}

void BackupConfiguration(const fs::path& appFolder) {
  if (appFolder.empty()) return;
  const fs::path config = Below(appFolder, kConfigFile);
  std::error_code ec;
  if (!fs::is_regular_file(config, ec)) return;  // an older backup stays as it was
  CopyWhole(config, Below(appFolder, kConfigBackup));
}

void StartupWork(const fs::path& appFolder) {
  DeleteOldMarkers(appFolder);
  BackupConfiguration(appFolder);
}

void Createlogfile(const fs::path& file) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (out) WriteLine(out, kMarkerLine);
}

void CancelInst(const fs::path& appFolder, bool force, std::span<const RowChoice> rows) {
  if (appFolder.empty()) return;
  const fs::path choice = Below(Below(appFolder, kDocFolder), kChoiceFile);
  std::error_code ec;
  fs::remove(choice, ec);
  // A missing Doc folder leaves the stream closed: its writes do nothing, the markers still come.
  std::ofstream out(choice, std::ios::binary | std::ios::trunc);
  if (out) WriteLine(out, kChoiceSection);
  if (force) {
    Createlogfile(Below(appFolder, kCancelAllMarker));
  } else {
    for (const RowChoice& row : rows) {
      if (row.ticked) continue;
      const OptionalComponent* item = FindOptional(row.name);
      if (item == nullptr) continue;  // required rows never leave a record
      if (out) WriteLine(out, item->key);
      Createlogfile(Below(appFolder, item->marker));
    }
  }
  out.close();
}

}  // namespace optaset
