#include "ModelClasses.h"

#include "ClassRegistry.h"
#include "PLC.h"
#include "RegUnitConfig.h"
#include "RegisterUnit.h"
#include "SerialComParam.h"

namespace tavelo {

void RegisterModelClasses(CClassRegistry& registry) {
    registry.Register<CPLC>(CPLC::kClassName);
    registry.Register<CRegUnitConfig>(CRegUnitConfig::kClassName);
    registry.Register<CRegisterUnit>(CRegisterUnit::kClassName);
    registry.Register<CSerialComParam>(CSerialComParam::kClassName);
}

}  // namespace tavelo
