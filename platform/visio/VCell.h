// One ShapeSheet cell.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/visio/IVShape.h"
#include "platform/visio/Wrapper.h"

namespace visio {

class VShape;

class VCell : public Wrapper<IVCell> {
public:
    using Interface = IVCell;
    using Wrapper::Wrapper;

    std::string Name() const;
    int16_t Section() const;
    int16_t Row() const;
    int16_t Column() const;
    VShape Shape() const;
    std::string FormulaU() const;
    bool IsInherited() const;
    int32_t SetFormulaU(const std::string& formula) const;
    int32_t SetFormulaForceU(const std::string& formula) const;
    double ResultIU() const;
    void SetResultIU(double value) const;
    double Result(const Variant& units) const;
    void SetResult(const Variant& units, double value) const;
    std::string ResultStr(const Variant& units) const;
    void GlueTo(const VCell& target) const;
};

}  // namespace visio
