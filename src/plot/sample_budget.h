// SampleBudget: how much memory one document's sampled values may take together, so that no
// file or formula can make the program allocate without end. Each graph holds its share
// through a SampleCharge; a share that would pass the budget is refused before anything is
// allocated. Shares are atomic, so graphs sampled on other threads may share one budget.
#pragma once

#include <atomic>
#include <cstddef>
#include <new>

namespace plotwise {

inline constexpr std::size_t kDefaultSampleBudget = std::size_t{1} << 30;  // 1 GiB
inline constexpr char kGraphOverBudget[] = "Not enough memory to calculate the graph";

// Thrown by a sample buffer whose growth the budget refuses: a bad_alloc, so code that
// copes with memory running out copes with this too.
class SampleBudgetExceeded : public std::bad_alloc {
  public:
    const char* what() const noexcept override { return kGraphOverBudget; }
};

class SampleBudget {
  public:
    explicit SampleBudget(std::size_t limitBytes = kDefaultSampleBudget) : limit_(limitBytes) {}
    SampleBudget(const SampleBudget&) = delete;
    SampleBudget& operator=(const SampleBudget&) = delete;

    std::size_t Limit() const { return limit_.load(std::memory_order_relaxed); }
    // A lower limit refuses only later growth; what is held stays.
    void SetLimit(std::size_t limitBytes) { limit_.store(limitBytes, std::memory_order_relaxed); }
    std::size_t Used() const { return used_.load(std::memory_order_relaxed); }

    // Counts bytes more when they fit within the limit; false (and nothing counted) if not.
    bool Take(std::size_t bytes) {
        std::size_t used = used_.load(std::memory_order_relaxed);
        do {
            if (bytes > Limit() || used > Limit() - bytes) return false;
        } while (!used_.compare_exchange_weak(used, used + bytes, std::memory_order_relaxed));
        return true;
    }
    void Give(std::size_t bytes) { used_.fetch_sub(bytes, std::memory_order_relaxed); }

  private:
    std::atomic<std::size_t> limit_;
    std::atomic<std::size_t> used_{0};
};

// One holder's share of a budget (none: nothing is counted), given back when it goes.
class SampleCharge {
  public:
    explicit SampleCharge(SampleBudget* budget) : budget_(budget) {}
    ~SampleCharge() { Set(0); }
    SampleCharge(const SampleCharge&) = delete;
    SampleCharge& operator=(const SampleCharge&) = delete;

    std::size_t Bytes() const { return bytes_; }
    // Raises or lowers the share; throws SampleBudgetExceeded, changing nothing, when a
    // rise does not fit.
    void Set(std::size_t bytes) {
        if (budget_ != nullptr) {
            if (bytes > bytes_ && !budget_->Take(bytes - bytes_)) throw SampleBudgetExceeded();
            if (bytes < bytes_) budget_->Give(bytes_ - bytes);
        }
        bytes_ = bytes;
    }

  private:
    SampleBudget* budget_;
    std::size_t bytes_ = 0;
};

}  // namespace plotwise
