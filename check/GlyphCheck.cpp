#include "GlyphCheck.h"

#include <memory>
#include <string>

#include "CheckMessages.h"
#include "FindingCodes.h"
#include "FindingList.h"
#include "compiler/ElementCast.h"
#include "elements/DynamicText.h"
#include "elements/StaticText.h"
#include "model/TaveloDoc.h"
#include "model/TextFormat.h"
#include "render/FontLibrary.h"
#include "render/FreeTypeRasteriser.h"
#include "render/Gb2312Codec.h"
#include "render/GlyphError.h"

namespace tavelo {

namespace cm = check_messages;

namespace {

// The characters of the text, each once, in order of first appearance.
template <class Missing>
std::u16string MissingCharacters(std::u16string_view text, Missing missing) {
    std::u16string found;
    for (char16_t character : text)
        if (found.find(character) == std::u16string::npos && missing(character)) found += character;
    return found;
}

class CGlyphChecker {
public:
    CGlyphChecker(CGlyphRasteriser* rasteriser, CFindingList& findings)
        : m_pRasteriser(rasteriser), m_findings(findings) {}

    std::u16string MissingInFonts(std::u16string_view text) {
        return MissingCharacters(text, [this](char16_t character) {
            return character >= CFontLibrary::kFirstWideCharacter &&
                   !m_codec.Encode(character).has_value();
        });
    }

    template <class TextElement>
    void CheckText(const TextElement& element, std::u16string_view text) {
        if (!element.IsVector()) {
            Report(element, cm::kGlyphMissing, MissingInFonts(text));
            return;
        }
        try {
            CGlyphRasteriser& faces = Faces();
            const std::u16string& face = element.GetFaceName();
            Report(element, cm::kFaceGlyphMissing,
                   MissingCharacters(text, [&](char16_t c) { return !faces.HasGlyph(c, face); }));
        } catch (const CGlyphError&) {
            m_findings.AddElement(
                ESeverity::Error, finding_code::kGlyphMissing, element,
                CComposedMessage(cm::kFaceMissing).AddUsersText(element.GetFaceName()));
        }
    }

private:
    CGlyphRasteriser& Faces() {
        if (!m_pRasteriser) {
            m_ownRasteriser = std::make_unique<CFreeTypeRasteriser>();
            m_pRasteriser = m_ownRasteriser.get();
        }
        return *m_pRasteriser;
    }

    void Report(const CGraphObj& element, const char16_t* message, const std::u16string& missing) {
        if (missing.empty()) return;
        m_findings.AddElement(ESeverity::Error, finding_code::kGlyphMissing, element,
                              CComposedMessage(message).AddUsersText(missing));
    }

    CGb2312Codec m_codec;
    CGlyphRasteriser* m_pRasteriser;
    std::unique_ptr<CGlyphRasteriser> m_ownRasteriser;
    CFindingList& m_findings;
};

}  // namespace

void CheckGlyphs(const CTaveloDoc& doc, CGlyphRasteriser* rasteriser, CFindingList& findings) {
    CGlyphChecker checker(rasteriser, findings);
    for (const auto& element : doc.GetElements()) {
        if (const auto* text = ElementAs<CStaticText>(*element)) {
            checker.CheckText(*text, text->GetText());
        } else if (const auto* states = ElementAs<CDynamicText>(*element)) {
            std::u16string all;
            for (const std::u16string& state : states->GetTextList()) all += state;
            checker.CheckText(*states, all);
        }
    }
    const std::vector<std::u16string>& alarms = doc.GetAlarms().GetTexts();
    for (std::size_t i = 0; i < alarms.size(); ++i) {
        const std::u16string missing = checker.MissingInFonts(alarms[i]);
        if (!missing.empty())
            findings.AddProjectWide(
                ESeverity::Error, finding_code::kAlarmTextGlyphMissing,
                CComposedMessage(
                    FormatMessage(cm::kAlarmGlyphMissing, static_cast<std::int64_t>(i + 1)))
                    .AddUsersText(missing));
    }
}

}  // namespace tavelo
