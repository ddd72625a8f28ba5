#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle(QString::fromUtf8("Orçamentos, Relatórios e Notas de Serviço"));
    w.showMaximized();
    return app.exec();
}
