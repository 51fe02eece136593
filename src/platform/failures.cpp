#include "platform/failures.h"

#include "platform/messages.h"

#include <utility>

Exception::Exception(std::string message, const void* address)
    : message_(std::move(message)), address_(address)
{
}

EInOutError::EInOutError(uint32_t code, const void* address)
    : Exception(InOutErrorMessage(code), address), code_(code)
{
}

EOutOfMemory::EOutOfMemory(const void* address)
    : Exception(MessageText(MessageId::OutOfMemory), address)
{
}

ERangeError::ERangeError(const void* address)
    : Exception(MessageText(MessageId::RangeError), address)
{
}

EIntOverflow::EIntOverflow(const void* address)
    : Exception(MessageText(MessageId::IntOverflow), address)
{
}

__attribute__((noinline)) void RaiseException(std::string message)
{
    throw Exception(std::move(message), DESKROTATE_CALLER_ADDRESS());
}

__attribute__((noinline)) void RaiseRegistryException(std::string message)
{
    throw ERegistryException(std::move(message), DESKROTATE_CALLER_ADDRESS());
}

__attribute__((noinline)) void RaiseInOutError(uint32_t code)
{
    throw EInOutError(code, DESKROTATE_CALLER_ADDRESS());
}

__attribute__((noinline)) void RaiseRangeError()
{
    throw ERangeError(DESKROTATE_CALLER_ADDRESS());
}

__attribute__((noinline)) void RaiseIntOverflow()
{
    throw EIntOverflow(DESKROTATE_CALLER_ADDRESS());
}
