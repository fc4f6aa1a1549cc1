#include "CommandParameters.h"

namespace {

bool EndsInPlaceholder(const tstring& value) {
    return value.size() >= 2 && value[value.size() - 2] == _T('%');
}

}  // namespace

tstring WithParameterAdded(const tstring& value) {
    if (!EndsInPlaceholder(value))
        return value + _T(" %1");
    tstring result = value;
    TCHAR& last = result.back();
    if (last != _T('9'))
        ++last;
    return result;
}

tstring WithParameterRemoved(const tstring& value) {
    if (!EndsInPlaceholder(value))
        return value;
    tstring result = value;
    if (result.back() == _T('1')) {
        // A value of just "%1" has no blank before it: take what there is.
        result.erase(result.size() >= 3 ? result.size() - 3 : 0);
    } else {
        --result.back();
    }
    return result;
}
