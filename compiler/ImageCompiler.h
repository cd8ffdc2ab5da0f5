#pragma once
// The compiler driver: gathers what a project's screens use, makes one screen record per
// screen and one encoder per element, lays out every area, checks the size and the initial
// screen, and writes the download image. The editor's download and the command line call
// CompileDownloadImage.

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "CompileOutcome.h"
#include "ImageLibraries.h"
#include "ScreenRecord.h"

namespace tavelo {

class CAppState;
class CGlyphRasteriser;
class CGraphObj;
class CTaveloDoc;

// Compiles the project. dataDirectory holds ASCII.DAT, hanzi.DAT and GRAPH.DAT; vector texts
// are rasterised with FreeType.
CCompileOutcome CompileDownloadImage(const CTaveloDoc& doc, const CAppState& state,
                                     const std::filesystem::path& dataDirectory);
// The same with the given outline rasteriser for vector texts.
CCompileOutcome CompileDownloadImage(const CTaveloDoc& doc, const CAppState& state,
                                     const std::filesystem::path& dataDirectory,
                                     CGlyphRasteriser& rasteriser);

class CImageCompiler {
public:
    // A null rasteriser makes the FreeType one when the project has vector texts.
    CImageCompiler(const CTaveloDoc& doc, const CAppState& state,
                   const std::filesystem::path& dataDirectory, CGlyphRasteriser* rasteriser);
    ~CImageCompiler();

    CCompileOutcome Compile();

private:
    void Gather();
    void GatherElement(const CGraphObj& element);
    void PlaceLibraryAreas();
    void BuildScreenRecords();
    void LayOutScreens();
    void LayOutAlarms();
    // Refuses an image over 66 units and a missing initial screen; allocates the padded image.
    void Allocate();
    void Write();
    void WriteHeader();
    void WriteGlyphs();
    void WriteVectorGlyphs(std::span<std::uint8_t> destination);
    void WriteBitmaps();
    void WriteScreens();
    void WriteAlarms();
    CImageCursor CursorOver(EImageArea area);
    // Each writer must have written exactly its area.
    void RequireFilled(std::initializer_list<CImageCursor> cursors, const char* what) const;

    const CTaveloDoc& m_doc;
    const CAppState& m_state;
    CGlyphRasteriser* m_pRasteriser;
    std::unique_ptr<CGlyphRasteriser> m_ownRasteriser;
    CImageLibraries m_libraries;
    std::vector<std::unique_ptr<CScreenRecord>> m_screens;
    std::vector<std::vector<std::uint8_t>> m_alarmTexts;
    CCompileOutcome m_outcome;
    CDownloadImage m_image;
};

}  // namespace tavelo
