// SPDX-License-Identifier: MIT
// Command-line parsing for the simulator: a sub-command followed by --name value pairs.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace quadrelle::sim {

// A problem with the command line, worded for a one-line message on stderr.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A value from the command line as a message quotes it: in single quotes, on one line (control
// characters escaped) and cut after 40 characters with an ellipsis.
std::string quoted(const std::string& value);

class Arguments {
public:
    // Reads "--name value" pairs after the sub-command; every name must be one of allowed, and a
    // value never starts with "--" (that is the next option, so this one lacks its value).
    Arguments(const std::vector<std::string>& words, const std::vector<std::string>& allowed);

    // The option as a whole number in [min, max]; throws UsageError when it is missing (and has
    // no fallback), not a whole number, or out of range.
    std::int64_t integer(const std::string& name, std::int64_t min, std::int64_t max,
                         std::optional<std::int64_t> fallback = std::nullopt) const;
    std::uint64_t seed(const std::string& name) const;

private:
    std::map<std::string, std::string> values_;
};

} // namespace quadrelle::sim
