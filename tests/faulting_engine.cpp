#include "tests/faulting_engine.h"

#include "db/sqlhlp.h"

namespace kv::test {

FaultingEngine::FaultingEngine(std::unique_ptr<db::Engine> inner, FaultPlan plan,
                               std::shared_ptr<FaultCounters> counters)
    : inner_(std::move(inner)), plan_(std::move(plan)), counters_(std::move(counters)) {}

bool FaultingEngine::Fails(std::string_view text) {
  int n = ++counters_->calls;
  bool by_text = !plan_.text.empty() && text.find(plan_.text) != std::string_view::npos;
  bool by_call = plan_.call > 0 && (n == plan_.call || (plan_.persist && n > plan_.call));
  last_failed_ = by_text || by_call;
  if (last_failed_) {
    ++counters_->faults;
    fault_text_ = "injected fault in call " + std::to_string(n);
  }
  return last_failed_;
}

int FaultingEngine::Run(std::string_view text, std::span<const db::BindValue> inputs,
                        std::vector<db::SqlRow>* rows, int max_rows) {
  if (Fails(text)) return plan_.code;
  return inner_->Run(text, inputs, rows, max_rows);
}

int FaultingEngine::Commit() {
  if (Fails("commit")) return plan_.code;
  return inner_->Commit();
}

const std::string& FaultingEngine::LastErrorText() const {
  return last_failed_ ? fault_text_ : inner_->LastErrorText();
}

ScopedFaults::ScopedFaults(FaultPlan plan) : counters_(std::make_shared<FaultCounters>()) {
  auto counters = counters_;
  db::SetEngineWrapperForTesting([plan, counters](std::unique_ptr<db::Engine> engine) {
    return std::unique_ptr<db::Engine>(std::make_unique<FaultingEngine>(std::move(engine), plan, counters));
  });
}

ScopedFaults::~ScopedFaults() { db::SetEngineWrapperForTesting(nullptr); }

}  // namespace kv::test
