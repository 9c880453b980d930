// The play state as one line of JSON, for scripted runs and their checks:
// {"mode": ..., "config": {...}, ...}. One function builds it, so every new field goes here.
#pragma once

#include <string>
#include <string_view>

namespace polvareda {

struct Modulo;

// `por` says why the line was written ("state", "tick", "keydown", ...); `extra` is appended
// as more fields (", \"key\": 37"). The trace's lines leave the configuration out.
std::string EstadoJson(const Modulo& modulo, std::string_view por = "state",
                       std::string_view extra = "", bool conConfiguracion = true);

// Appends one state line without the configuration to the play trace, when there is one
// (after the line of a cause still open, below).
void Trazar(Modulo& modulo, std::string_view por, std::string_view extra = "");

// The line of a cause (a key, a button, a tick) whose state is the one right after its
// immediate effect: it is written when the next line is, when the pump next takes an event or
// runs a timer (a sequence the cause starts is waiting), or at the latest when this object
// goes, so it always comes before the lines of what the cause set going, with its own time.
class LineaDeCausa {
  public:
    LineaDeCausa(Modulo& modulo, std::string por, std::string extra = "");
    ~LineaDeCausa();
    LineaDeCausa(const LineaDeCausa&) = delete;
    LineaDeCausa& operator=(const LineaDeCausa&) = delete;

  private:
    Modulo& m_;
};

// Writes the line of the open cause, if there is one (the pump calls it before it waits).
void TrazarCausa(Modulo& modulo);

// A JSON string literal of text in the game's code page (Windows-1252), quotes included.
std::string CadenaJson(std::string_view texto);

}  // namespace polvareda
