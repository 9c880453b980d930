// Owners of SDL's handles: each frees its handle with the call SDL asks for.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

#include <memory>

namespace polvareda {

struct BorrarSDL {
    void operator()(SDL_Window* v) const { SDL_DestroyWindow(v); }
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
    void operator()(SDL_Cursor* c) const { SDL_FreeCursor(c); }
    void operator()(SDL_Renderer* r) const { SDL_DestroyRenderer(r); }
    void operator()(SDL_Texture* t) const { SDL_DestroyTexture(t); }
    void operator()(Mix_Chunk* m) const { Mix_FreeChunk(m); }
    void operator()(Mix_Music* m) const { Mix_FreeMusic(m); }
};

using VentanaPtr = std::unique_ptr<SDL_Window, BorrarSDL>;
using SuperficiePtr = std::unique_ptr<SDL_Surface, BorrarSDL>;
using CursorPtr = std::unique_ptr<SDL_Cursor, BorrarSDL>;
using RenderizadorPtr = std::unique_ptr<SDL_Renderer, BorrarSDL>;
using TexturaPtr = std::unique_ptr<SDL_Texture, BorrarSDL>;
using MuestraPtr = std::unique_ptr<Mix_Chunk, BorrarSDL>;
using TemaPtr = std::unique_ptr<Mix_Music, BorrarSDL>;

}  // namespace polvareda
