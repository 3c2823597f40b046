#pragma once

#include "model/MenuProject.h"
#include "text/PageEncoding.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The menu code a project turns into: the script for the page's head, the menu for its body,
// and the pages that carry them to a file or to the browser.
namespace pickwell {

enum class OutputMode {
    File,    // "file": the code file document
    Clip,    // "clip": the two texts for the code window; no document
    Preview, // "preview": the preview page, plus the frameset pages for a frame target
};

// The mode named by its word ("file", "clip", "preview"; case matters).
std::optional<OutputMode> ParseOutputMode(std::string_view word);

inline constexpr const char* MakerWebAddress = "https://www.brackenfield.example/";

// The preview pages refer to each other by these bare names, so they share one folder.
inline constexpr const char* PreviewPageName = "pickwell_preview.html";
inline constexpr const char* FramesetPageName = "pickwell_preview_frameset.html";
inline constexpr const char* SecondFramePageName = "pickwell_preview_frame2.html";

struct MenuCode {
    std::string functionCode;
    std::string htmlCode;
    // The file document in mode file, the preview page in mode preview, none in mode clip. It
    // is held as the texts around the two codes, so that a large menu's code is not held
    // twice: documentStart + functionCode + documentMiddle + htmlCode + documentEnd. Every
    // document starts with a text of its own.
    std::string documentStart;
    std::string documentMiddle;
    std::string documentEnd;
    // Only in mode preview with the target "Different frame"; empty otherwise.
    std::string framesetPage;
    std::string secondFramePage;
    // What the documents are written in: they declare it.
    PageEncoding encoding = PageEncoding::Windows1252;

    // The document's five pieces in order; all empty when there is none.
    std::array<std::string_view, 5> DocumentPieces() const;
    std::string document() const;
};

// The encoding of the project's documents: UTF-8 for the standards form, else Windows-1252.
PageEncoding PageEncodingOf(const MenuProject& project);

// The generic CSS family ("serif", "sans-serif" or "monospace") that stands in for a font in
// a browser that lacks it. The desktop's font configuration knows it; without a lookup every
// font is taken for a sans-serif face, as the default fonts are.
using GenericFamilyOf = std::function<std::string(const std::string& family)>;

// Builds the code from the committed styles as they are; committing the style windows first
// is the caller's part. Values go in verbatim: nothing is checked or escaped here.
MenuCode GenerateMenuCode(const MenuProject& project, OutputMode mode,
                          const GenericFamilyOf& genericFamily = {});

// The document of GenerateMenuCode(project, mode), handed to `out` a piece at a time in order,
// so that a large menu's code is never held whole. Nothing in mode clip, which has none.
void GenerateMenuDocument(const MenuProject& project, OutputMode mode,
                          const std::function<void(std::string_view piece)>& out,
                          const GenericFamilyOf& genericFamily = {});

} // namespace pickwell
