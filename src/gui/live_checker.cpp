#include "gui/live_checker.h"

#include <utility>

namespace rerore {

LiveChecker::LiveChecker(QObject* parent) : QObject(parent) { pool_.setMaxThreadCount(1); }

LiveChecker::~LiveChecker() {
  ++latest_;  // whatever runs stops at its next stage
  pool_.clear();
  pool_.waitForDone();
}

void LiveChecker::check(const Session& session) {
  const uint64_t generation = ++latest_;
  pending_ = generation;
  auto input = std::make_shared<LiveCheckInput>(PrepareLiveCheck(session));
  // Runs queued behind a newer change are dropped before they start.
  pool_.clear();
  pool_.start([this, generation, input] {
    const auto outdated = [this, generation] { return latest_.load() != generation; };
    if (outdated()) return;
    std::optional<LiveCheckResult> result = RunLiveCheck(std::move(*input), workspace_, outdated);
    if (!result) return;
    QMetaObject::invokeMethod(
        this, [this, generation, verdict = std::move(*result)] { report(generation, verdict); },
        Qt::QueuedConnection);
  });
}

void LiveChecker::report(uint64_t generation, const LiveCheckResult& result) {
  if (generation != pending_) return;  // a newer change is on its way
  reported_ = generation;
  verdict_ = result;
  emit verdictReady();
}

}  // namespace rerore
