// A console reporter that also keeps each benchmark's time per evaluation (its "evals"
// counter gives the evaluations per iteration), so a summary can print ratios of runs
// measured in the same process. With repetitions, the median wins.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace plotwise_bench {

inline void CountEvaluations(benchmark::State& state, double perIteration) {
    state.counters["evals"] = perIteration;
}

class PerEvalReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Aggregate && !median) continue;
            const auto evals = run.counters.find("evals");
            if (evals == run.counters.end() || run.iterations == 0) continue;
            const std::string name = run.run_name.str();
            if (!median && medians_.count(name)) continue;
            if (median) medians_.insert(name);
            // CPU time, as the machine is shared; wall time where a "wall" counter asks for it
            // (work spread over threads).
            const bool wall = run.counters.count("wall") != 0;
            const double seconds = wall ? run.real_accumulated_time : run.cpu_accumulated_time;
            nanoseconds_[name] = seconds * 1e9 / double(run.iterations) / evals->second.value;
            perIteration_[name] = evals->second.value;
        }
    }

  protected:
    // Nanoseconds per evaluation, 0 for a benchmark that did not run.
    double Get(const std::string& name) const {
        const auto found = nanoseconds_.find(name);
        return found == nanoseconds_.end() ? 0 : found->second;
    }
    double Evaluations(const std::string& name) const {
        const auto found = perIteration_.find(name);
        return found == perIteration_.end() ? 0 : found->second;
    }
    const std::map<std::string, double>& All() const { return nanoseconds_; }

  private:
    std::map<std::string, double> nanoseconds_;
    std::map<std::string, double> perIteration_;
    std::set<std::string> medians_;
};

}  // namespace plotwise_bench
