#include "SceneError.h"

namespace {

std::string Compose(const std::string& file, int line, int column, const std::string& pointer,
                    const std::string& problem) {
    std::string where = file;
    if (line > 0)
        where += ":" + std::to_string(line) + ":" + std::to_string(column);
    if (!pointer.empty())
        where += ": " + pointer;
    return where + ": " + problem;
}

} // namespace

SceneError::SceneError(std::string file, int line, int column, std::string pointer,
                       std::string problem)
    : std::runtime_error(Compose(file, line, column, pointer, problem)), file_(std::move(file)),
      line_(line), column_(column), pointer_(std::move(pointer)), problem_(std::move(problem)) {}
