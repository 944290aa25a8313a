#pragma once

namespace Util
{
// A member function bound to an object, called with one argument. Owns nothing.
template <class Obj, class R, class Arg> class CallBack1
{
public:
    using Method = R (Obj::*)(Arg);

    CallBack1(Obj* object, Method method) : m_object(object), method(method) {}

    R operator()(Arg arg) const { return (m_object->*method)(arg); }
    R invoke(Arg arg) const { return (m_object->*method)(arg); }

    Obj* object() const { return m_object; }

private:
    Obj* m_object;
    Method method;
};
} // namespace Util
