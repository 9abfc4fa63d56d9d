#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace trelvane {

// List lines packed into one buffer: a season comparison yields up to 40,000
// lines, and one allocation each would cost more than reading the files.
class LineBatch {
public:
    void Add(std::string_view line) {
        text_ += line;
        ends_.push_back(text_.size());
    }
    void Reserve(std::size_t lines, std::size_t bytes) {
        ends_.reserve(lines);
        text_.reserve(bytes);
    }
    std::size_t Count() const { return ends_.size(); }
    std::string_view operator[](std::size_t index) const {
        const std::size_t begin = index == 0 ? 0 : ends_[index - 1];
        return std::string_view(text_).substr(begin, ends_[index] - begin);
    }

private:
    std::string text_;
    std::vector<std::size_t> ends_;
};

}  // namespace trelvane
