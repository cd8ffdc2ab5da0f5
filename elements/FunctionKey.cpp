#include "FunctionKey.h"

#include "ElementSizing.h"
#include "PreviewPictures.h"
#include "StoredFields.h"
#include "model/Archive.h"
#include "model/FieldSink.h"
#include "model/FieldText.h"

namespace tavelo {

namespace {

constexpr std::int32_t kFirstKeyCode = 5;
constexpr std::int32_t kKeyCodeStep = 3;
constexpr std::int32_t kInverseLook = 0;
constexpr std::int32_t kHiddenLook = 1;
constexpr std::int32_t kNormalLook = 2;

}  // namespace

std::int32_t CFunctionKey::KeyCode(std::int32_t key) {
    if (key < 0 || key >= kKeyCount) return kNoKeyCode;
    return kFirstKeyCode + kKeyCodeStep * key;
}

CFunctionKey::CFunctionKey(const CRect& position) : CRectObj(position, kRectangle) {
    m_address.m_nUnitBytes = 1;
    RefreshPicture();
}

std::unique_ptr<CGraphObj> CFunctionKey::Clone() const {
    std::unique_ptr<CFunctionKey> copy(new CFunctionKey(*this));
    copy->m_nKeyWidth = kKeyDots;
    copy->m_nKeyHeight = kKeyDots;
    copy->RefreshPicture();
    return copy;
}

void CFunctionKey::Serialize(CArchive& ar) {
    SerializeBase(ar);
    ar.String(m_strKeyCode);
    for (std::int32_t* value :
         {&m_nKey,           &m_bActionCoil, &m_bActionJump, &m_nReserved1,    &m_bHand,
          &m_bHidden,        &m_bPassword,   &m_bCoilOn,     &m_bCoilOff,      &m_bCoilToggle,
          &m_bCoilMomentary, &m_nReserved2,  &m_bJumpScreen, &m_bJumpPassword, &m_bJumpAlarm,
          &m_bJumpTime,      &m_nReserved3,  &m_nReserved4,  &m_nKeyWidth,     &m_nKeyHeight,
          &m_nPicture})
        ar.Int32(*value);
    TransferByte(ar, m_nJumpScreen);
    for (std::int32_t* value : {&m_nLinearAddress, &m_nKeyListIndex, &m_nTypeIndex, &m_nFormatIndex,
                                &m_nAction, &m_nCoilAction, &m_nJumpTarget})
        ar.Int32(*value);
    TransferByte(ar, m_nRegCount);
    ar.Int32(m_nParameter);
    ar.Int32(m_nReserved5);
    m_address.Serialize(ar);
    if (ar.IsLoading()) RefreshPicture();
}

void CFunctionKey::SetInverse(std::int32_t value) {
    CRectObj::SetInverse(value);
    RefreshPicture();
}

void CFunctionKey::SetKey(std::int32_t key) {
    m_nKey = key;
    RefreshPicture();
}

void CFunctionKey::SetLook(bool hand, bool hidden, bool password) {
    m_bHand = hand;
    m_bHidden = hidden;
    m_bPassword = password;
    RefreshPicture();
}

void CFunctionKey::SetActionFlags(bool coil, bool jump) {
    m_bActionCoil = coil;
    m_bActionJump = jump;
}

void CFunctionKey::SetCoilFlags(bool on, bool off, bool toggle, bool momentary) {
    m_bCoilOn = on;
    m_bCoilOff = off;
    m_bCoilToggle = toggle;
    m_bCoilMomentary = momentary;
}

void CFunctionKey::SetJumpFlags(std::int32_t reserved2, bool screen, bool password, bool alarm,
                                bool time) {
    m_nReserved2 = reserved2;
    m_bJumpScreen = screen;
    m_bJumpPassword = password;
    m_bJumpAlarm = alarm;
    m_bJumpTime = time;
}

void CFunctionKey::SetRegisterWrite(std::int32_t count, std::int32_t parameter) {
    m_nRegCount = count;
    m_nParameter = parameter;
}

void CFunctionKey::SetListPositions(std::int32_t key, std::int32_t type, std::int32_t format) {
    m_nKeyListIndex = key;
    m_nTypeIndex = type;
    m_nFormatIndex = format;
}

// A key outside the table gets the code 255 and keeps its picture.
void CFunctionKey::RefreshPicture() {
    m_strKeyCode = FieldNumberText(KeyCode(m_nKey));
    if (m_nKey < 0 || m_nKey >= kKeyCount) return;
    const std::int32_t first = kKeys[static_cast<std::size_t>(m_nKey)].m_nFirstPicture;
    if (m_bHidden)
        m_nPicture = first + kHiddenLook;
    else if (m_bInverse)
        m_nPicture = first + kInverseLook;
    else
        m_nPicture = m_nKey == kKey6 ? kKey6NormalPicture : first + kNormalLook;
}

// A hidden key loses its hand here for good; the hand doubles the width.
void CFunctionKey::UpdateSize() {
    if (m_bHidden) m_bHand = 0;
    std::int32_t width = CanvasExtent(m_nKeyWidth, m_bDoubleSize);
    const std::int32_t height = CanvasExtent(m_nKeyHeight, m_bDoubleSize);
    if (m_bHand) width = WrapInt32(std::int64_t{width} * 2);
    m_rcPosition = GrownFromTopLeft(m_rcPosition, width, height);
    m_bSizeValid = true;
}

void CFunctionKey::Draw(const CElementView& /*view*/, CDrawSurface& surface) {
    if (!m_bSizeValid) UpdateSize();
    ClampToCanvas();
    const std::int32_t box = CanvasExtent(kKeyDots, m_bDoubleSize);
    CRect place = GrownFromTopLeft(m_rcPosition, box, box);
    if (!m_bHidden && m_bHand) {
        const std::int32_t hand = m_bInverse ? kInverseHandPicture : kHandPicture;
        surface.DrawPicture(place, LoadPreviewPicture(hand), kBlack, kWhite);
        place.Offset(box, 0);
    }
    surface.DrawPicture(place, LoadPreviewPicture(m_nPicture), kBlack, kWhite);
}

void CFunctionKey::DescribeFields(CFieldSink& sink) const {
    DescribeBaseFields(sink);
    sink.Text("keyCode", m_strKeyCode);
    sink.Int("key", m_nKey);
    sink.Int("actionCoil", m_bActionCoil);
    sink.Int("actionJump", m_bActionJump);
    sink.Int("reserved1", m_nReserved1);
    sink.Int("hand", m_bHand);
    sink.Int("hidden", m_bHidden);
    sink.Int("password", m_bPassword);
    sink.Int("coilOn", m_bCoilOn);
    sink.Int("coilOff", m_bCoilOff);
    sink.Int("coilToggle", m_bCoilToggle);
    sink.Int("coilMomentary", m_bCoilMomentary);
    sink.Int("reserved2", m_nReserved2);
    // The flag and the number of the target screen share a name; the number is "jumpScreenNo".
    sink.Int("jumpScreen", m_bJumpScreen);
    sink.Int("jumpPassword", m_bJumpPassword);
    sink.Int("jumpAlarm", m_bJumpAlarm);
    sink.Int("jumpTime", m_bJumpTime);
    sink.Int("reserved3", m_nReserved3);
    sink.Int("reserved4", m_nReserved4);
    sink.Int("keyWidth", m_nKeyWidth);
    sink.Int("keyHeight", m_nKeyHeight);
    sink.Int("picture", m_nPicture);
    sink.Int("jumpScreenNo", m_nJumpScreen);
    sink.Int("linearAddress", m_nLinearAddress);
    sink.Int("keyListIndex", m_nKeyListIndex);
    sink.Int("typeIndex", m_nTypeIndex);
    sink.Int("formatIndex", m_nFormatIndex);
    sink.Int("action", m_nAction);
    sink.Int("coilAction", m_nCoilAction);
    sink.Int("jumpTarget", m_nJumpTarget);
    sink.Int("regCount", m_nRegCount);
    sink.Int("parameter", m_nParameter);
    sink.Int("reserved5", m_nReserved5);
    m_address.DescribeFields(sink, "address");
}

}  // namespace tavelo
