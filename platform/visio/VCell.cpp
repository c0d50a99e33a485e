#include "platform/visio/VCell.h"

#include "platform/visio/VShape.h"

namespace visio {

std::string VCell::Name() const {
    return call(&IVCell::Name);
}

int16_t VCell::Section() const {
    return call(&IVCell::Section);
}

int16_t VCell::Row() const {
    return call(&IVCell::Row);
}

int16_t VCell::Column() const {
    return call(&IVCell::Column);
}

VShape VCell::Shape() const {
    return VShape(call(&IVCell::Shape));
}

std::string VCell::FormulaU() const {
    return call(&IVCell::FormulaU);
}

bool VCell::IsInherited() const {
    return call(&IVCell::IsInherited);
}

int32_t VCell::SetFormulaU(const std::string& formula) const {
    return call(&IVCell::SetFormulaU, formula);
}

int32_t VCell::SetFormulaForceU(const std::string& formula) const {
    return call(&IVCell::SetFormulaForceU, formula);
}

double VCell::ResultIU() const {
    return call(&IVCell::ResultIU);
}

void VCell::SetResultIU(double value) const {
    call(&IVCell::SetResultIU, value);
}

double VCell::Result(const Variant& units) const {
    return call(&IVCell::Result, units);
}

void VCell::SetResult(const Variant& units, double value) const {
    call(&IVCell::SetResult, units, value);
}

std::string VCell::ResultStr(const Variant& units) const {
    return call(&IVCell::ResultStr, units);
}

void VCell::GlueTo(const VCell& target) const {
    call(&IVCell::GlueTo, target.ref());
}

}  // namespace visio
