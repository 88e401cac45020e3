// The numbered texts of a calculation database: the key texts (the codes,
// names, units, floors and other texts a project's records repeat,
// IsKeyField) in the key_text table, and the packed lists (IsListField) in
// the key_list table. Each distinct text is stored once and numbered from 0
// in the order the import first met it. A record holds their numbers, so a
// build looks a record's key up by its number instead of comparing its
// bytes with the texts seen before, and decodes each list once.
#ifndef REPORTDATA_SERVICES_KEY_TEXTS_H_
#define REPORTDATA_SERVICES_KEY_TEXTS_H_

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace reportdata {

class SqliteDb;

// The tables of numbered texts.
inline constexpr char kKeyTextTable[] = "key_text";
inline constexpr char kKeyListTable[] = "key_list";

// The key texts or lists of an import, numbered as the records are written.
class KeyTextNumbers {
 public:
  // The number of text, which is numbered when it is new.
  uint32_t Number(std::string_view text);
  // Writes the numbered texts into the table (kKeyTextTable, kKeyListTable)
  // of db; false on a failure of the database.
  bool Write(SqliteDb& db, const char* table) const;

 private:
  struct Hash : std::hash<std::string_view> {
    using is_transparent = void;
  };
  std::unordered_map<std::string, uint32_t, Hash, std::equal_to<>> numbers_;
  // The keys of numbers_ by number: a map's keys stay where they are.
  std::vector<const std::string*> texts_;
};

// Reads the numbered texts of a table of db by number. False when the table
// cannot be read or its numbers do not run from 0 without a gap: a damaged
// database.
bool ReadKeyTexts(SqliteDb& db, const char* table, std::vector<std::string>& texts);

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_KEY_TEXTS_H_
