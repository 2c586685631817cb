// Fault injection around a real engine: every call goes through to the
// engine, except the ones chosen to fail, which return a chosen status
// without reaching it.
#ifndef KORVANTIS_TESTS_FAULTING_ENGINE_H_
#define KORVANTIS_TESTS_FAULTING_ENGINE_H_

#include <memory>
#include <string>

#include "db/engine.h"

namespace kv::test {

struct FaultPlan {
  // A Run whose statement text contains this fails (empty: none by text).
  std::string text;
  // The n-th call (Run or Commit, counted from 1) fails (0: none by number).
  int call = 0;
  // With call: every call from the n-th on fails, as a lost connection would.
  bool persist = false;
  int code = -3113;  // end of file on the connection
};

struct FaultCounters {
  int calls = 0;   // calls seen
  int faults = 0;  // calls failed
};

class FaultingEngine final : public db::Engine {
 public:
  FaultingEngine(std::unique_ptr<db::Engine> inner, FaultPlan plan,
                 std::shared_ptr<FaultCounters> counters);

  int Run(std::string_view text, std::span<const db::BindValue> inputs,
          std::vector<db::SqlRow>* rows, int max_rows) override;
  int Commit() override;
  void PinSysdate(std::string_view timestamp) override { inner_->PinSysdate(timestamp); }
  const std::string& LastErrorText() const override;

 private:
  bool Fails(std::string_view text);

  std::unique_ptr<db::Engine> inner_;
  FaultPlan plan_;
  std::shared_ptr<FaultCounters> counters_;
  std::string fault_text_;
  bool last_failed_ = false;
};

// Makes the next connects open a FaultingEngine around the real engine;
// the destructor restores plain connects.
class ScopedFaults {
 public:
  explicit ScopedFaults(FaultPlan plan);
  ~ScopedFaults();
  const FaultCounters& counters() const { return *counters_; }

 private:
  std::shared_ptr<FaultCounters> counters_;
};

}  // namespace kv::test

#endif  // KORVANTIS_TESTS_FAULTING_ENGINE_H_
