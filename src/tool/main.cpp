#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream(stderr) << "usage: mdial dump FILE | info FILE | copy IN OUT | postal CODE [--table CSV]\n";
    return 2;
}
