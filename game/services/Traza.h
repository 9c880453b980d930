// The play trace (--traza): one state line per tick, key, scroll and duel step and mode
// change, appended to a file as the game goes. The shell says how a line is built; the rules
// and the pump only say when one is written and why.
#pragma once

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace polvareda {

class Traza {
  public:
    // A state line without its newline: why it was written, and more fields to append.
    using Linea = std::function<std::string(std::string_view por, std::string_view extra)>;

    void ConLinea(Linea linea) { linea_ = std::move(linea); }
    // Opens the trace file for appending; false when it cannot be written.
    bool Abrir(const std::filesystem::path& archivo);
    bool Abierta() const { return archivo_.is_open(); }
    // Closes it; false when some of what was written did not reach the file.
    bool Cerrar();

    // Appends one line (after the line of a cause still open, below).
    void Trazar(std::string_view por, std::string_view extra = "");
    // Writes the line of the open cause, if there is one (the pump calls it before it waits).
    void TrazarCausa();

  private:
    friend class LineaDeCausa;
    void Escribir(std::string_view por, std::string_view extra);

    std::ofstream archivo_;
    Linea linea_;
    // The line of the cause being handled, written once its immediate effect is complete:
    // why, and its extra fields.
    std::optional<std::pair<std::string, std::string>> causa_;
};

// The line of a cause (a key, a button, a tick) whose state is the one right after its
// immediate effect: it is written when the next line is, when the pump next takes an event or
// runs a timer (a sequence the cause starts is waiting), or at the latest when this object
// goes, so it always comes before the lines of what the cause set going, with its own time.
class LineaDeCausa {
  public:
    LineaDeCausa(Traza& traza, std::string por, std::string extra = "");
    ~LineaDeCausa();
    LineaDeCausa(const LineaDeCausa&) = delete;
    LineaDeCausa& operator=(const LineaDeCausa&) = delete;

  private:
    Traza& traza_;
};

}  // namespace polvareda
