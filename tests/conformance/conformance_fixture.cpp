#include "tests/conformance/conformance_fixture.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "db/engine.h"
#include "db/sql_status.h"
#include "db/sqlhlp.h"

namespace kv::test {

Outputs::Outputs(const std::vector<Out>& outs) {
  slots_.resize(outs.size());
  for (std::size_t k = 0; k < outs.size(); ++k) {
    Slot& s = slots_[k];
    s.out = outs[k];
    if (s.out.type == db::HostType::kText) s.text.assign(static_cast<std::size_t>(s.out.width), '\0');
  }
  // The slots no longer move: the variables may point into them.
  for (Slot& s : slots_) {
    switch (s.out.type) {
      case db::HostType::kText:
        vars_.push_back(db::TextVar(s.text.data(), s.out.width));
        break;
      case db::HostType::kInt32:
        vars_.push_back(db::IntVar(&s.i));
        break;
      case db::HostType::kDouble:
        vars_.push_back(db::DoubleVar(&s.d));
        break;
    }
  }
  Reset();
}

void Outputs::Reset() {
  for (Slot& s : slots_) {
    if (!s.text.empty()) {
      std::fill(s.text.begin(), s.text.end(), '\0');
      std::memcpy(s.text.data(), kUntouchedText, std::min(s.text.size() - 1, std::strlen(kUntouchedText)));
    }
    s.i = kUntouchedInt;
    s.d = kUntouchedDouble;
  }
}

Row Outputs::Render() const {
  Row row;
  for (const Slot& s : slots_) {
    switch (s.out.type) {
      case db::HostType::kText:
        // The runtime terminates what it writes; the last byte guards a
        // missing terminator.
        row.emplace_back(s.text.data(), strnlen(s.text.data(), s.text.size()));
        break;
      case db::HostType::kInt32:
        row.push_back(std::to_string(s.i));
        break;
      case db::HostType::kDouble: {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.2f", s.d);
        row.emplace_back(buf);
        break;
      }
    }
  }
  return row;
}

std::string LastErrorText() {
  db::SqlSession* s = db::CurrentSession();
  return s != nullptr ? s->LastErrorText() : "no session";
}

SelectResult SelectOne(std::string_view sql, const std::vector<db::HostVar>& inputs,
                       const std::vector<Out>& outs) {
  Outputs outputs(outs);
  db::SqlSession* s = db::CurrentSession();
  if (s == nullptr) return {db::kSqlNotConnected, outputs.Render()};
  int code = s->SelectInto(sql, inputs, outputs.vars());
  return {code, outputs.Render()};
}

CursorResult ReadCursor(std::string_view sql, const std::vector<db::HostVar>& inputs,
                        const std::vector<Out>& outs) {
  CursorResult result{db::kSqlNotConnected, {}, db::kSqlNotConnected, db::kSqlNotConnected};
  db::SqlSession* s = db::CurrentSession();
  if (s == nullptr) return result;
  db::SqlCursor cursor;
  Outputs outputs(outs);
  result.open_code = s->Open(&cursor, sql, inputs);
  // A fetch on a cursor whose open failed gives the runtime's error code,
  // which ends the loop like the end of the rows.
  for (;;) {
    outputs.Reset();
    int code = s->Fetch(&cursor, outputs.vars());
    if (code != db::kSqlOk) {
      result.end_code = code;
      break;
    }
    result.rows.push_back(outputs.Render());
  }
  result.close_code = s->Close(&cursor);
  return result;
}

std::vector<Row> SortWithinTies(std::vector<Row> rows, const std::vector<std::size_t>& key_columns) {
  auto same_key = [&](const Row& a, const Row& b) {
    for (std::size_t c : key_columns)
      if (c >= a.size() || c >= b.size() || a[c] != b[c]) return false;
    return true;
  };
  auto begin = rows.begin();
  while (begin != rows.end()) {
    auto end = begin + 1;
    while (end != rows.end() && same_key(*begin, *end)) ++end;
    std::sort(begin, end);
    begin = end;
  }
  return rows;
}

void ConformanceTest::SetUp() {
  if (GetParam() == EngineKind::kPostgres) KV_SKIP_UNLESS_POSTGRES();
  std::string error;
  ASSERT_TRUE(installation_.Create(GetParam(), Tenants(), Data(), &error)) << error;
  ASSERT_EQ(db::ConnectDatabase(installation_.login().c_str(), installation_.password().c_str(),
                                installation_.absolute_service().c_str(), StartSchema().c_str()),
            db::kSqlOk);
  ASSERT_NE(db::CurrentSession(), nullptr);
  db::CurrentSession()->engine().PinSysdate(kPinnedSysdate);
}

db::SqlSession& ConformanceTest::session() { return *db::CurrentSession(); }

std::unique_ptr<db::SqlSession> ConformanceTest::OpenOtherSession(const std::string& schema) {
  db::ConnectParams params{installation_.login(), installation_.password(),
                           installation_.absolute_service()};
  std::unique_ptr<db::Engine> engine;
  int rc = db::OpenEngine(params, &engine);
  EXPECT_EQ(rc, db::kSqlOk) << "second session";
  if (rc != db::kSqlOk) return nullptr;
  auto other = std::make_unique<db::SqlSession>(std::move(engine));
  rc = other->PrepareExecute(std::string(db::kSchemaStatementPrefix) + schema);
  EXPECT_EQ(rc, db::kSqlOk) << "schema of the second session";
  if (rc != db::kSqlOk) return nullptr;
  other->engine().PinSysdate(kPinnedSysdate);
  return other;
}

}  // namespace kv::test
