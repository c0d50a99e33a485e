// Other programs link against the graph element class of the add-on library, so its
// members must stay exported under their decorated names.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "simhost/addon/AddonLibrary.h"

namespace {

std::string libraryPath() {
#ifndef _WIN32
    if (const char* build = std::getenv("QAV_BINARY_DIR"); build && *build) {
        return std::string(build) + "/bin/QAVSupportTools.so";
    }
#endif
    return simhost::AddonLibrary::besideProgram();
}

// setIdentifierID is declared with long: 32 bits on Windows, where the library exports
// it with long; elsewhere long is wider, and the 32-bit int serves.
#ifdef _WIN32
constexpr char kSetIdentifierID[] = "_ZN14GEGraphElement15setIdentifierIDEl";
constexpr char kSetIdentifierIDOtherwise[] = "_ZN14GEGraphElement15setIdentifierIDEi";
#else
constexpr char kSetIdentifierID[] = "_ZN14GEGraphElement15setIdentifierIDEi";
constexpr char kSetIdentifierIDOtherwise[] = "_ZN14GEGraphElement15setIdentifierIDEl";
#endif

// The members of GEGraphElement as gcc decorates them, on Linux and for mingw alike.
const char* const kExportedMembers[] = {
    "_ZN14GEGraphElementC1Ev",                       // GEGraphElement()
    "_ZN14GEGraphElementC2Ev",                       //
    "_ZN14GEGraphElementC1ERKS_",                    // GEGraphElement(const GEGraphElement&)
    "_ZN14GEGraphElementC2ERKS_",                    //
    "_ZN14GEGraphElementaSERKS_",                    // operator=(const GEGraphElement&)
    "_ZN14GEGraphElementD0Ev",                       // virtual ~GEGraphElement()
    "_ZN14GEGraphElementD1Ev",                       //
    "_ZN14GEGraphElementD2Ev",                       //
    "_ZNK14GEGraphElement5getIDEv",                  // getID()
    "_ZN14GEGraphElement5setIDEi",                   // setID(int)
    "_ZNK14GEGraphElement13getIdentifierB5cxx11Ev",  // getIdentifier()
    "_ZN14GEGraphElement13setIdentifierENSt7__cxx1112basic_stringIcSt11char_"
    "traitsIcESaIcEEE",                           // setIdentifier(std::string)
    "_ZNK14GEGraphElement15getIdentifierIDEv",    // getIdentifierID()
    kSetIdentifierID,                             // setIdentifierID(long)
    "_ZNK14GEGraphElement11getShapesIDEi",        // getShapesID(int)
    "_ZNK14GEGraphElement17getShapesIDsCountEv",  // getShapesIDsCount()
    "_ZN14GEGraphElement5UNSETE",                 // UNSET
};

TEST(ExportedClass, TheLibraryExportsEveryMemberOfTheGraphElement) {
    std::string error;
    auto library = simhost::AddonLibrary::load(libraryPath(), &error);
    ASSERT_TRUE(library) << error;
    for (const char* name : kExportedMembers) {
        EXPECT_NE(library->exportedSymbol(name), nullptr) << name;
    }
    auto unset = static_cast<const int32_t*>(library->exportedSymbol("_ZN14GEGraphElement5UNSETE"));
    ASSERT_NE(unset, nullptr);
    EXPECT_EQ(*unset, 0);
    EXPECT_EQ(library->exportedSymbol(kSetIdentifierIDOtherwise), nullptr);
}

TEST(ExportedClass, InternalsOfTheLibraryStayHidden) {
    std::string error;
    auto library = simhost::AddonLibrary::load(libraryPath(), &error);
    ASSERT_TRUE(library) << error;
    // A class the library uses but does not offer to others.
    EXPECT_EQ(library->exportedSymbol("_ZN14GEElementSetC1Ev"), nullptr);
}

}  // namespace
