#pragma once

#include <QMessageBox>
#include <QStringList>
#include <optional>
#include <variant>

namespace marklode {

// Tests answer the next modal question (a message box, a file dialog) without showing it, so
// that no test ever blocks on a window nobody can click.
class NextAnswer {
  public:
    // The role of the button to press, or the paths to choose (none: cancel).
    using Answer = std::variant<QMessageBox::ButtonRole, std::optional<QStringList>>;

    static void set(Answer answer) { pending() = std::move(answer); }
    static std::optional<Answer> take() {
        std::optional<Answer> answer = std::move(pending());
        pending().reset();
        return answer;
    }

  private:
    static std::optional<Answer>& pending() {
        static std::optional<Answer> answer;
        return answer;
    }
};

} // namespace marklode
