#pragma once
// One page of the panel display: its number, the screens its up and down keys lead to, and
// its description. Elements belong to it through their screen number.

#include <cstdint>
#include <memory>
#include <string>

#include "GraphObj.h"
#include "ScreenMessages.h"

namespace tavelo {

inline constexpr std::int32_t kMinScreenNumber = 1;
inline constexpr std::int32_t kMaxScreenNumber = 32767;

class CScreen : public CGraphObj {
public:
    static constexpr const char* kClassName = "CScreen";

    // The class name stays the base's, so a screen never lands in a per-kind element list.
    std::string GetRuntimeClassName() const override { return kClassName; }
    // Number, up target, down target, description; the base fields are not stored.
    void Serialize(CArchive& ar) override;

    // Also sets the targets to the neighbours: up n - 1 (0 for screen 1), down n + 1.
    void SetNumber(std::int32_t number);
    std::int32_t GetNumber() const { return m_nNumber; }
    void SetUpScreen(std::int32_t number) { m_nUpScreen = number; }
    std::int32_t GetUpScreen() const { return m_nUpScreen; }
    void SetDownScreen(std::int32_t number) { m_nDownScreen = number; }
    std::int32_t GetDownScreen() const { return m_nDownScreen; }
    void SetDescription(std::u16string text) { m_strDescription = std::move(text); }
    const std::u16string& GetDescription() const { return m_strDescription; }

private:
    std::int32_t m_nNumber = 0;
    std::int32_t m_nUpScreen = 0;
    std::int32_t m_nDownScreen = 0;
    std::u16string m_strDescription = screen_messages::kDefaultDescription;
};

// A new or copied screen: up n - 1 (at least 1), down n + 1 (at most the highest number).
std::unique_ptr<CScreen> MakeNewScreen(std::int32_t number, std::u16string description);
// "画面 n", the description a new or copied screen starts with.
std::u16string NumberedScreenDescription(std::int32_t number);

}  // namespace tavelo
