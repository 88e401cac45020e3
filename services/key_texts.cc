#include "services/key_texts.h"

#include "services/sqlite_db.h"

namespace reportdata {

uint32_t KeyTextNumbers::Number(std::string_view text) {
  const auto found = numbers_.find(text);
  if (found != numbers_.end()) return found->second;
  const auto number = static_cast<uint32_t>(texts_.size());
  texts_.push_back(&numbers_.emplace(text, number).first->first);
  return number;
}

bool KeyTextNumbers::Write(SqliteDb& db, const char* table) const {
  SqliteStatement insert =
      db.Prepare(std::string("INSERT INTO ") + table + "(id, value) VALUES(?1, ?2)");
  if (!insert.Ok()) return false;
  for (size_t number = 0; number < texts_.size(); ++number) {
    insert.BindInt(1, static_cast<long long>(number));
    insert.BindText(2, *texts_[number]);
    if (!insert.Run()) return false;
  }
  return true;
}

bool ReadKeyTexts(SqliteDb& db, const char* table, std::vector<std::string>& texts) {
  texts.clear();
  SqliteStatement rows = db.Prepare(std::string("SELECT id, value FROM ") + table + " ORDER BY id");
  if (!rows.Ok()) return false;
  while (rows.Step()) {
    if (rows.Int(0) != static_cast<long long>(texts.size())) return false;
    texts.emplace_back(rows.Text(1));
  }
  return rows.Done();
}

}  // namespace reportdata
