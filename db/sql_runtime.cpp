#include "db/sql_runtime.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace kv::db {
namespace {

std::vector<BindValue> ToBindValues(std::span<const HostVar> vars) {
  std::vector<BindValue> values;
  values.reserve(vars.size());
  for (const HostVar& v : vars) values.push_back(ToBindValue(v));
  return values;
}

// Parses a column's decimal text the way a numeric host variable receives it.
bool ParseNumber(const std::string& text, double* out) {
  if (text.empty()) return false;
  errno = 0;
  char* end = nullptr;
  double d = std::strtod(text.c_str(), &end);
  if (end == text.c_str() || errno == ERANGE) return false;
  *out = d;
  return true;
}

// The integer a numeric host variable receives from a column's text: the
// value with its fraction dropped, when it fits 32 bits.
bool ParseInt32(const std::string& text, std::int32_t* out) {
  double d = 0;
  if (!ParseNumber(text, &d)) return false;
  double t = std::trunc(d);
  if (t < std::numeric_limits<std::int32_t>::min() || t > std::numeric_limits<std::int32_t>::max())
    return false;
  *out = static_cast<std::int32_t>(t);
  return true;
}

// Checks that every non-NULL value fits its variable, so that a row is
// assigned either whole or not at all.
int CheckOutputs(const SqlRow& row, std::span<const HostVar> outputs) {
  if (outputs.size() > row.size()) return kSqlNotInSelectList;
  for (std::size_t i = 0; i < outputs.size(); ++i) {
    std::int32_t unused = 0;
    if (row[i] && outputs[i].type == HostType::kInt32 && !ParseInt32(*row[i], &unused))
      return kSqlIntOverflow;
  }
  return kSqlOk;
}

int AssignRow(const SqlRow& row, std::span<const HostVar> outputs) {
  int rc = CheckOutputs(row, outputs);
  if (rc != kSqlOk) return rc;
  for (std::size_t i = 0; i < outputs.size(); ++i) {
    rc = AssignOutput(row[i], outputs[i]);
    if (rc != kSqlOk) return rc;
  }
  return kSqlOk;
}

}  // namespace

BindValue ToBindValue(const HostVar& var) {
  BindValue b;
  switch (var.type) {
    case HostType::kText: {
      const char* text = static_cast<const char*>(var.data);
      std::size_t len = var.width > 0 ? strnlen(text, static_cast<std::size_t>(var.width)) : 0;
      if (len > 0) {
        b.kind = BindValue::Kind::kText;
        b.text.assign(text, len);
      }
      break;
    }
    case HostType::kInt32:
      b.kind = BindValue::Kind::kInt;
      b.i = *static_cast<const std::int32_t*>(var.data);
      break;
    case HostType::kDouble:
      b.kind = BindValue::Kind::kDouble;
      b.d = *static_cast<const double*>(var.data);
      break;
  }
  return b;
}

int AssignOutput(const SqlValue& value, const HostVar& var) {
  if (!value) return kSqlOk;  // NULL: the variable keeps what it held
  switch (var.type) {
    case HostType::kText: {
      if (var.width <= 0) return kSqlOk;
      std::size_t room = static_cast<std::size_t>(var.width) - 1;
      std::size_t n = value->size() < room ? value->size() : room;
      char* out = static_cast<char*>(var.data);
      std::memcpy(out, value->data(), n);
      out[n] = '\0';
      return kSqlOk;
    }
    case HostType::kInt32:
      return ParseInt32(*value, static_cast<std::int32_t*>(var.data)) ? kSqlOk : kSqlIntOverflow;
    case HostType::kDouble: {
      double d = 0;
      if (!ParseNumber(*value, &d)) return kSqlIntOverflow;
      *static_cast<double*>(var.data) = d;
      return kSqlOk;
    }
  }
  return kSqlOk;
}

SqlSession::SqlSession(std::unique_ptr<Engine> engine) : engine_(std::move(engine)) {}

int SqlSession::Execute(std::string_view text, std::span<const HostVar> inputs) {
  misuse_.clear();
  std::vector<BindValue> binds = ToBindValues(inputs);
  return engine_->Run(text, binds, nullptr, 0);
}

int SqlSession::SelectInto(std::string_view text, std::span<const HostVar> inputs,
                           std::span<const HostVar> outputs) {
  misuse_.clear();
  std::vector<BindValue> binds = ToBindValues(inputs);
  std::vector<SqlRow> rows;
  int rc = engine_->Run(text, binds, &rows, 2);
  if (rc != kSqlOk) return rc;
  if (rows.empty()) return kSqlNoRow;
  if (rows.size() > 1) return kSqlTooManyRows;
  return AssignRow(rows.front(), outputs);
}

int SqlSession::Open(SqlCursor* cursor, std::string_view text, std::span<const HostVar> inputs) {
  misuse_.clear();
  // Opening an open cursor starts it again, as the embedded runtime does.
  cursor->open_ = false;
  std::vector<BindValue> binds = ToBindValues(inputs);
  cursor->rows_.clear();
  cursor->next_ = 0;
  int rc = engine_->Run(text, binds, &cursor->rows_, -1);
  if (rc != kSqlOk) {
    cursor->rows_.clear();
    return rc;
  }
  cursor->open_ = true;
  return kSqlOk;
}

int SqlSession::Fetch(SqlCursor* cursor, std::span<const HostVar> outputs) {
  misuse_.clear();
  if (!cursor->open_) {
    misuse_ = "fetch from a cursor that is not open";
    return kSqlInvalidCursor;
  }
  if (cursor->next_ >= cursor->rows_.size()) return kSqlNoRow;
  const SqlRow& row = cursor->rows_[cursor->next_];
  int rc = AssignRow(row, outputs);
  if (rc == kSqlNotInSelectList) return rc;
  ++cursor->next_;  // a row that did not fit is passed over, as a fetch consumes it
  return rc;
}

int SqlSession::Close(SqlCursor* cursor) {
  misuse_.clear();
  if (!cursor->open_) {
    misuse_ = "close of a cursor that is not open";
    return kSqlInvalidCursor;
  }
  cursor->open_ = false;
  cursor->rows_.clear();
  cursor->rows_.shrink_to_fit();
  cursor->next_ = 0;
  return kSqlOk;
}

int SqlSession::Commit() {
  misuse_.clear();
  return engine_->Commit();
}

int SqlSession::PrepareExecute(std::string_view text) {
  misuse_.clear();
  return engine_->Run(text, {}, nullptr, 0);
}

const std::string& SqlSession::LastErrorText() const {
  return misuse_.empty() ? engine_->LastErrorText() : misuse_;
}

}  // namespace kv::db
