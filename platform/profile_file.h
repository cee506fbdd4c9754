// Private-profile settings files with the semantics of the Windows functions.
//
// Format: "[Section]" lines and "Key=Value" lines; anything else is kept but ignored. Section and key names
// compare case-insensitively and the first match wins; names and values are trimmed of blanks; a missing
// file, section or key gives the caller's default. Writing rewrites the file keeping every other line,
// adding the section at the end or the key at the end of its section when they are missing.
// Lines end with CR LF when written; reading accepts LF or CR LF.
//
// Every call reads the file afresh, as the Windows functions do, so two objects on one file never disagree.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace rovan {

class ProfileFile {
 public:
  explicit ProfileFile(std::string fileName) : file_name_(std::move(fileName)) {}

  const std::string& fileName() const { return file_name_; }

  // The value, or nullopt when the file, section or key is missing.
  std::optional<std::string> Find(const std::string& section, const std::string& key) const;

  std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;
  // A value that is not an integer gives the default.
  int ReadInteger(const std::string& section, const std::string& key, int def) const;
  // "0" is false, any other integer true; a value that is not an integer gives the default.
  bool ReadBool(const std::string& section, const std::string& key, bool def) const;

  // The key names of a section in file order (empty when missing).
  std::vector<std::string> ReadSection(const std::string& section) const;

  // Write a value, creating the file, the section or the key as needed. False when the file cannot be
  // written.
  bool WriteString(const std::string& section, const std::string& key, const std::string& value) const;
  bool WriteInteger(const std::string& section, const std::string& key, int value) const;
  bool WriteBool(const std::string& section, const std::string& key, bool value) const;

  // Removes a key (or, with an empty key, the whole section). False when the file cannot be written.
  bool Erase(const std::string& section, const std::string& key) const;

 private:
  std::string file_name_;
};

}  // namespace rovan
