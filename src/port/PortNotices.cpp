#include "port/PortNotices.h"

namespace pp::port {

std::string DriverMissingNotice(const std::string& library)
{
    return "Драйвер порта " + library + " не найден: порт имитируется.";
}

std::string DriverUnusableNotice(const std::string& where, const std::string& reason)
{
    return "Драйвер порта " + where + " найден, но не работает: " + reason + ". Порт имитируется.";
}

std::string UnknownPortSettingNotice()
{
    return "Значение PINDREL_PORT не распознано (ожидается driver, sim или sim:N).";
}

std::string TraceNotOpenedNotice(const std::string& path, const std::string& reason)
{
    return "Файл трассировки порта " + path + " не открывается: " + reason +
           ". Программа работает без трассировки.";
}

std::string TraceStoppedNotice(const std::string& path, const std::string& reason)
{
    return "Запись в файл трассировки порта " + path + " не удалась: " + reason +
           ". Трассировка остановлена, порт обновляется дальше.";
}

} // namespace pp::port
