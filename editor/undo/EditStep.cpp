#include "EditStep.h"

namespace tavelo {

const char16_t* EditStepName(EEditStep step) {
    switch (step) {
        case EEditStep::kPlace:
            return u"放置元件";
        case EEditStep::kMove:
            return u"移动元件";
        case EEditStep::kAlign:
            return u"对齐元件";
        case EEditStep::kDelete:
            return u"删除元件";
        case EEditStep::kProperty:
            return u"修改属性";
        case EEditStep::kNewScreen:
            return u"新建画面";
        case EEditStep::kCopyScreen:
            return u"复制画面";
        case EEditStep::kDeleteScreen:
            return u"删除画面";
        case EEditStep::kSystemSettings:
            return u"系统设置";
        case EEditStep::kAlarmList:
            return u"报警列表";
        case EEditStep::kLinkSettings:
            return u"PLC及通讯参数";
        case EEditStep::kPort:
            return u"通信串口";
        case EEditStep::kDisplayType:
            return u"类型选择";
        case EEditStep::kCut:
            return u"剪切";
        case EEditStep::kPaste:
            return u"粘贴";
    }
    return u"";
}

}  // namespace tavelo
