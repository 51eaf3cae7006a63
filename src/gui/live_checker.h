// Runs the live check after every change of the frame, on a worker thread:
// the window stays responsive on a large frame, and a change made while a
// check runs makes that run stop and a new one start. Only the verdict on
// the newest state of the frame is ever reported.
#pragma once

#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <cstdint>
#include <optional>

#include "check/live_check.h"
#include "model/session.h"

namespace rerore {

class LiveChecker : public QObject {
  Q_OBJECT
 public:
  explicit LiveChecker(QObject* parent = nullptr);
  // Waits for a run in progress, which stops at its next stage.
  ~LiveChecker() override;

  // The frame of `session` changed: its copy is checked. Called on the
  // window's thread; the session is not touched afterwards.
  void check(const Session& session);
  // The verdict on the newest frame, once it is ready.
  const std::optional<LiveCheckResult>& verdict() const { return verdict_; }
  // True while the verdict on the newest frame is being worked out.
  bool busy() const { return pending_ != reported_; }

 signals:
  void verdictReady();

 private:
  void report(uint64_t generation, const LiveCheckResult& result);

  std::atomic<uint64_t> latest_{0};  // the newest change; older runs stop
  uint64_t pending_ = 0;
  uint64_t reported_ = 0;
  std::optional<LiveCheckResult> verdict_;
  LiveCheckWorkspace workspace_;  // used by one run at a time
  QThreadPool pool_;              // one thread; destroyed first, waiting for its run
};

}  // namespace rerore
