// SPDX-License-Identifier: MIT
// Just enough of Google Benchmark's interface to build bench/EngineBenchmarks.cpp for
// WebAssembly, where Debian has no Google Benchmark: a state that counts its iterations and
// times them on the steady clock, with pauses left out, a list of benchmarks with their
// arguments, and a main that runs each long enough and prints its wall time per iteration,
// as "name time-in-ns iterations". --benchmark_filter=TEXT runs the names holding TEXT,
// --benchmark_min_time=SECONDS sets how long each runs (0.5 s).
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace benchmark {

class State {
public:
    using Clock = std::chrono::steady_clock;

    State(std::int64_t iterations, std::int64_t argument) : iterations_(iterations), argument_(argument) {}

    // Loop variables of this type are never warned about unused, as `for (auto _ : state)` wants.
    struct [[maybe_unused]] Value {};

    struct Iterator {
        State* state;
        std::int64_t left;
        bool operator!=(const Iterator&) const {
            if (left > 0 && !state->failed_) return true;
            state->stop();
            return false;
        }
        void operator++() { --left; }
        Value operator*() const { return {}; }
    };
    Iterator begin() {
        started_ = Clock::now();
        return {this, iterations_};
    }
    Iterator end() { return {this, 0}; }

    void PauseTiming() { timed_ += Clock::now() - started_; }
    void ResumeTiming() { started_ = Clock::now(); }
    void SkipWithError(const char* message) {
        failed_ = true;
        std::fprintf(stderr, "error: %s\n", message);
    }
    std::int64_t range(int) const { return argument_; }

    double seconds() const { return std::chrono::duration<double>(timed_).count(); }
    bool failed() const { return failed_; }

private:
    void stop() {
        if (!stopped_) timed_ += Clock::now() - started_;
        stopped_ = true;
    }

    std::int64_t iterations_;
    std::int64_t argument_;
    Clock::time_point started_;
    Clock::duration timed_{};
    bool stopped_ = false;
    bool failed_ = false;
};

template <typename T> inline void DoNotOptimize(T&& value) {
    asm volatile("" : : "r"(&value) : "memory");
}

namespace internal {

struct Benchmark {
    std::string name;
    std::function<void(State&)> run;
    std::vector<std::int64_t> arguments;

    Benchmark* Arg(std::int64_t argument) {
        arguments.push_back(argument);
        return this;
    }
};

inline std::vector<Benchmark*>& benchmarks() {
    static std::vector<Benchmark*> all;
    return all;
}

inline Benchmark* add(const char* name, void (*run)(State&)) {
    benchmarks().push_back(new Benchmark{name, run, {}});
    return benchmarks().back();
}

inline int runAll(int argc, char** argv) {
    std::string_view filter;
    double minSeconds = 0.5;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option.starts_with("--benchmark_filter=")) filter = option.substr(19);
        if (option.starts_with("--benchmark_min_time=")) minSeconds = std::atof(argv[i] + 21);
    }
    for (Benchmark* benchmark : benchmarks()) {
        std::vector<std::int64_t> arguments = benchmark->arguments;
        if (arguments.empty()) arguments.push_back(0);
        for (const std::int64_t argument : arguments) {
            const std::string name =
                benchmark->name + (benchmark->arguments.empty() ? "" : "/" + std::to_string(argument));
            if (name.find(filter) == std::string::npos) continue;
            // As Google Benchmark does: more iterations until the timed part lasts long enough.
            for (std::int64_t iterations = 1;; iterations *= 10) {
                State state(iterations, argument);
                benchmark->run(state);
                if (state.failed()) return 1;
                if (state.seconds() >= minSeconds || iterations >= 1000000000) {
                    std::printf("%s %.1f %lld\n", name.c_str(), state.seconds() * 1e9 / double(iterations),
                                static_cast<long long>(iterations));
                    break;
                }
            }
        }
    }
    return 0;
}

} // namespace internal
} // namespace benchmark

#define QUADRELLE_BENCHMARK_JOIN2(a, b) a##b
#define QUADRELLE_BENCHMARK_JOIN(a, b) QUADRELLE_BENCHMARK_JOIN2(a, b)
#define BENCHMARK(function)                                                                                  \
    [[maybe_unused]] static ::benchmark::internal::Benchmark* QUADRELLE_BENCHMARK_JOIN(                      \
        registered_, __LINE__) = ::benchmark::internal::add(#function, function)
#define BENCHMARK_MAIN()                                                                                     \
    int main(int argc, char** argv) {                                                                        \
        return ::benchmark::internal::runAll(argc, argv);                                                    \
    }
