#pragma once

#include <stdexcept>
#include <string>

// Why a scene could not be loaded. what() is the full message: the file, then either the
// line and column (for text that is not JSON) or the JSON pointer of the value at fault,
// then what is wrong.
class SceneError : public std::runtime_error {
public:
    SceneError(std::string file, int line, int column, std::string pointer, std::string problem);

    const std::string& File() const { return file_; }
    // 0 when the place is given as a JSON pointer.
    int Line() const { return line_; }
    int Column() const { return column_; }
    // Empty when the place is given as a line and column.
    const std::string& Pointer() const { return pointer_; }
    const std::string& Problem() const { return problem_; }

private:
    std::string file_;
    int line_;
    int column_;
    std::string pointer_;
    std::string problem_;
};
