#include "ModelClasses.h"

#include "ClassRegistry.h"
#include "GraphObj.h"
#include "PLC.h"
#include "RegUnitConfig.h"
#include "RegisterUnit.h"
#include "Screen.h"
#include "SerialComParam.h"

namespace tavelo {

void RegisterModelClasses(CClassRegistry& registry) {
    registry.Register<CPLC>(CPLC::kClassName);
    registry.Register<CRegUnitConfig>(CRegUnitConfig::kClassName);
    registry.Register<CRegisterUnit>(CRegisterUnit::kClassName);
    registry.Register<CSerialComParam>(CSerialComParam::kClassName);
    registry.Register<CScreen>(CScreen::kClassName);
    registry.Register<CGraphObj>(CGraphObj::kClassName);
}

}  // namespace tavelo
