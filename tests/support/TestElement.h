#pragma once
// A screen element for tests: any class name, a rectangle hit test, a drawing that names its
// rectangle (marking its size worked out), an optional copy, a count of its destructions to
// prove single ownership, and a stored body of the base fields and a PLC address record.

#include <memory>
#include <string>

#include "model/ClassRegistry.h"
#include "model/GraphObj.h"
#include "model/RegisterUnit.h"

namespace tavelo::test {

class TestElement : public CGraphObj {
public:
    TestElement(std::string className, const CRect& position, int* destroyed = nullptr,
                bool copyable = true)
        : CGraphObj(position),
          m_strClassName(std::move(className)),
          m_pDestroyed(destroyed),
          m_bCopyable(copyable) {}
    ~TestElement() override {
        if (m_pDestroyed) ++*m_pDestroyed;
    }

    std::string GetClassName() const override { return m_strClassName; }
    std::unique_ptr<CGraphObj> Clone() const override {
        if (!m_bCopyable) return nullptr;
        return std::unique_ptr<CGraphObj>(new TestElement(*this));
    }
    // Like every element, works out its size when drawn.
    void Draw(const CElementView&, CDrawSurface& surface) override {
        m_bSizeValid = true;
        surface.DrawRectangle(m_rcPosition, std::nullopt, std::nullopt);
    }
    int HitPoint(const CElementView&, CPoint p) const override {
        return m_rcPosition.Intersects({p.x, p.y, p.x + 1, p.y + 1});
    }
    void Serialize(CArchive& ar) override {
        SerializeBase(ar);
        m_address.Serialize(ar);
    }

    CRegisterUnit m_address;

private:
    // Copies count their own destruction, not the original's.
    TestElement(const TestElement& other)
        : CGraphObj(other),
          m_address(other.m_address),
          m_strClassName(other.m_strClassName),
          m_pDestroyed(nullptr),
          m_bCopyable(other.m_bCopyable) {}

    std::string m_strClassName;
    int* m_pDestroyed;
    bool m_bCopyable;
};

// Lets a project reader make test elements under the given class names.
inline void RegisterTestElements(CClassRegistry& registry,
                                 std::initializer_list<const char*> classNames) {
    for (const char* name : classNames)
        registry.Register(name, [name] { return std::make_unique<TestElement>(name, CRect{}); });
}

}  // namespace tavelo::test
