; The installer's and the uninstaller's own texts in the eleven languages
; Velindra speaks (NSIS's own language files give the rest). Included by
; NSIS.template.in after its MUI_LANGUAGE lines; UTF-8. A text missing in one
; language stops the build (warning 6040 is an error there).
; Messages name the buttons as Windows labels them in that language.

; English
LangString VelindraFolderText ${LANG_ENGLISH} "Setup will install ${PRODUCT} ${VERSION} for you alone, in the folder below. It needs no administrator rights.$\r$\n$\r$\nIf ${PRODUCT} is running, Setup asks it to close. Your settings and your own language files are kept."
LangString VelindraStartNow ${LANG_ENGLISH} "&Start ${PRODUCT} now"
LangString VelindraStillRunning ${LANG_ENGLISH} "${PRODUCT} is still running and could not be closed.$\r$\n$\r$\nEnd it with Exit (on its window or on the menu of its notification icon), then click Retry. Cancel stops here: nothing has been changed."
LangString VelindraStillRunningLog ${LANG_ENGLISH} "${PRODUCT} is still running: nothing was changed."
LangString VelindraCannotWrite ${LANG_ENGLISH} "${PRODUCT} cannot be installed in$\r$\n$INSTDIR$\r$\nbecause that folder cannot be written.$\r$\n$\r$\nChoose a folder of your own, such as$\r$\n$LOCALAPPDATA\Programs\${PRODUCT}"
LangString VelindraCannotWriteLog ${LANG_ENGLISH} "$INSTDIR cannot be written: nothing was installed."
LangString VelindraOwnDataTitle ${LANG_ENGLISH} "Your settings"
LangString VelindraOwnDataSubtitle ${LANG_ENGLISH} "Choose whether your own data goes too."
LangString VelindraOwnDataText ${LANG_ENGLISH} "${PRODUCT} keeps your settings (the first day and the lengths you entered, your choices on the Options page) in the registry, and you may have added language files of your own to its folder.$\r$\n$\r$\nThey stay where they are, so that a later installation carries on where you left off, unless you tick the box below."
LangString VelindraOwnDataBox ${LANG_ENGLISH} "&Also remove your settings, including your cycle dates, and your own language files"

; German
LangString VelindraFolderText ${LANG_GERMAN} "Das Setup installiert ${PRODUCT} ${VERSION} nur für Sie, in den unten angegebenen Ordner. Administratorrechte sind dafür nicht nötig.$\r$\n$\r$\nWenn ${PRODUCT} läuft, fordert das Setup es zum Beenden auf. Ihre Einstellungen und Ihre eigenen Sprachdateien bleiben erhalten."
LangString VelindraStartNow ${LANG_GERMAN} "${PRODUCT} jetzt &starten"
LangString VelindraStillRunning ${LANG_GERMAN} "${PRODUCT} läuft noch und konnte nicht beendet werden.$\r$\n$\r$\nBeenden Sie ${PRODUCT} mit „Beenden“ (im Fenster oder im Menü seines Symbols im Infobereich) und klicken Sie dann auf „Wiederholen“. „Abbrechen“ hält hier an: Es wurde nichts geändert."
LangString VelindraStillRunningLog ${LANG_GERMAN} "${PRODUCT} läuft noch: Es wurde nichts geändert."
LangString VelindraCannotWrite ${LANG_GERMAN} "In den Ordner$\r$\n$INSTDIR$\r$\nkann nicht geschrieben werden, deshalb lässt sich ${PRODUCT} dort nicht installieren.$\r$\n$\r$\nWählen Sie einen eigenen Ordner, zum Beispiel$\r$\n$LOCALAPPDATA\Programs\${PRODUCT}"
LangString VelindraCannotWriteLog ${LANG_GERMAN} "In $INSTDIR kann nicht geschrieben werden: Es wurde nichts installiert."
LangString VelindraOwnDataTitle ${LANG_GERMAN} "Ihre Einstellungen"
LangString VelindraOwnDataSubtitle ${LANG_GERMAN} "Wählen Sie, ob auch Ihre eigenen Daten entfernt werden sollen."
LangString VelindraOwnDataText ${LANG_GERMAN} "${PRODUCT} speichert Ihre Einstellungen (den ersten Tag und die Längen, die Sie eingegeben haben, und Ihre Auswahl auf der Seite „Optionen“) in der Registrierung. Vielleicht haben Sie auch eigene Sprachdateien in seinen Ordner gelegt.$\r$\n$\r$\nDiese Daten bleiben erhalten, damit eine spätere Installation dort weitermacht, wo Sie aufgehört haben – es sei denn, Sie aktivieren das Kontrollkästchen unten."
LangString VelindraOwnDataBox ${LANG_GERMAN} "&Auch Ihre Einstellungen samt Zyklusdaten und Ihre eigenen Sprachdateien entfernen"

; French
LangString VelindraFolderText ${LANG_FRENCH} "Le programme d'installation va installer ${PRODUCT} ${VERSION} pour votre seul compte, dans le dossier ci-dessous. Aucun droit d'administrateur n'est nécessaire.$\r$\n$\r$\nSi ${PRODUCT} est ouvert, il lui sera demandé de se fermer. Vos paramètres et vos propres fichiers de langue sont conservés."
LangString VelindraStartNow ${LANG_FRENCH} "&Lancer ${PRODUCT} maintenant"
LangString VelindraStillRunning ${LANG_FRENCH} "${PRODUCT} est toujours ouvert et n'a pas pu être fermé.$\r$\n$\r$\nQuittez-le avec « Quitter » (dans sa fenêtre ou dans le menu de son icône de la zone de notification), puis cliquez sur « Réessayer ». « Annuler » s'arrête ici : rien n'a été modifié."
LangString VelindraStillRunningLog ${LANG_FRENCH} "${PRODUCT} est toujours ouvert : rien n'a été modifié."
LangString VelindraCannotWrite ${LANG_FRENCH} "${PRODUCT} ne peut pas être installé dans$\r$\n$INSTDIR$\r$\ncar il est impossible d'écrire dans ce dossier.$\r$\n$\r$\nChoisissez un dossier qui vous appartient, par exemple$\r$\n$LOCALAPPDATA\Programs\${PRODUCT}"
LangString VelindraCannotWriteLog ${LANG_FRENCH} "Impossible d'écrire dans $INSTDIR : rien n'a été installé."
LangString VelindraOwnDataTitle ${LANG_FRENCH} "Vos paramètres"
LangString VelindraOwnDataSubtitle ${LANG_FRENCH} "Choisissez si vos propres données doivent aussi être supprimées."
LangString VelindraOwnDataText ${LANG_FRENCH} "${PRODUCT} conserve vos paramètres (le premier jour et les durées que vous avez saisis, vos choix dans la page Options) dans le Registre, et vous avez peut-être ajouté vos propres fichiers de langue dans son dossier.$\r$\n$\r$\nIls restent en place, pour qu'une installation ultérieure reprenne là où vous en étiez, sauf si vous cochez la case ci-dessous."
LangString VelindraOwnDataBox ${LANG_FRENCH} "&Supprimer aussi vos paramètres, y compris les dates de votre cycle, et vos propres fichiers de langue"

; Spanish
LangString VelindraFolderText ${LANG_SPANISH} "El programa de instalación instalará ${PRODUCT} ${VERSION} solo para usted, en la carpeta indicada abajo. No se necesitan permisos de administrador.$\r$\n$\r$\nSi ${PRODUCT} está abierto, se le pedirá que se cierre. Se conservan su configuración y sus propios archivos de idioma."
LangString VelindraStartNow ${LANG_SPANISH} "&Iniciar ${PRODUCT} ahora"
LangString VelindraStillRunning ${LANG_SPANISH} "${PRODUCT} sigue abierto y no se ha podido cerrar.$\r$\n$\r$\nCiérrelo con «Salir» (en su ventana o en el menú de su icono del área de notificación) y haga clic en «Reintentar». «Cancelar» se detiene aquí: no se ha cambiado nada."
LangString VelindraStillRunningLog ${LANG_SPANISH} "${PRODUCT} sigue abierto: no se ha cambiado nada."
LangString VelindraCannotWrite ${LANG_SPANISH} "${PRODUCT} no se puede instalar en$\r$\n$INSTDIR$\r$\nporque no se puede escribir en esa carpeta.$\r$\n$\r$\nElija una carpeta propia, por ejemplo$\r$\n$LOCALAPPDATA\Programs\${PRODUCT}"
LangString VelindraCannotWriteLog ${LANG_SPANISH} "No se puede escribir en $INSTDIR: no se ha instalado nada."
LangString VelindraOwnDataTitle ${LANG_SPANISH} "Su configuración"
LangString VelindraOwnDataSubtitle ${LANG_SPANISH} "Elija si también se eliminan sus propios datos."
LangString VelindraOwnDataText ${LANG_SPANISH} "${PRODUCT} guarda su configuración (el primer día y las duraciones que introdujo, sus opciones en la página Opciones) en el Registro, y quizá haya añadido archivos de idioma propios a su carpeta.$\r$\n$\r$\nSe conservan para que una instalación posterior continúe donde lo dejó, salvo que marque la casilla de abajo."
LangString VelindraOwnDataBox ${LANG_SPANISH} "&Eliminar también su configuración, incluidas las fechas de su ciclo, y sus propios archivos de idioma"

; Italian
LangString VelindraFolderText ${LANG_ITALIAN} "Il programma di installazione installerà ${PRODUCT} ${VERSION} solo per l'utente corrente, nella cartella indicata qui sotto. Non sono necessari diritti di amministratore.$\r$\n$\r$\nSe ${PRODUCT} è in esecuzione, ne verrà richiesta la chiusura. Le impostazioni e i file di lingua personali vengono mantenuti."
LangString VelindraStartNow ${LANG_ITALIAN} "&Avvia ${PRODUCT}"
LangString VelindraStillRunning ${LANG_ITALIAN} "${PRODUCT} è ancora in esecuzione e non è stato possibile chiuderlo.$\r$\n$\r$\nChiudere il programma con «Esci» (nella sua finestra o nel menu della sua icona nell'area di notifica), quindi fare clic su «Riprova». Con «Annulla» l'operazione si interrompe qui: non è stato modificato nulla."
LangString VelindraStillRunningLog ${LANG_ITALIAN} "${PRODUCT} è ancora in esecuzione: non è stato modificato nulla."
LangString VelindraCannotWrite ${LANG_ITALIAN} "Impossibile installare ${PRODUCT} in$\r$\n$INSTDIR$\r$\nperché non è possibile scrivere in questa cartella.$\r$\n$\r$\nScegliere una cartella personale, ad esempio$\r$\n$LOCALAPPDATA\Programs\${PRODUCT}"
LangString VelindraCannotWriteLog ${LANG_ITALIAN} "Impossibile scrivere in $INSTDIR: non è stato installato nulla."
LangString VelindraOwnDataTitle ${LANG_ITALIAN} "Impostazioni personali"
LangString VelindraOwnDataSubtitle ${LANG_ITALIAN} "Scegliere se rimuovere anche i dati personali."
LangString VelindraOwnDataText ${LANG_ITALIAN} "${PRODUCT} conserva le impostazioni (il primo giorno e le durate inserite, le scelte della pagina Opzioni) nel Registro di sistema; inoltre nella sua cartella potrebbero essere stati aggiunti file di lingua personali.$\r$\n$\r$\nQuesti dati restano dove sono, così una futura installazione riprende da dove si era rimasti, a meno che non si selezioni la casella qui sotto."
LangString VelindraOwnDataBox ${LANG_ITALIAN} "Rimuovi &anche le impostazioni, comprese le date del ciclo, e i file di lingua personali"

; Russian
LangString VelindraFolderText ${LANG_RUSSIAN} "Программа установки установит ${PRODUCT} ${VERSION} только для вас, в указанную ниже папку. Права администратора не нужны.$\r$\n$\r$\nЕсли ${PRODUCT} работает, программа установки попросит её закрыться. Ваши настройки и ваши собственные языковые файлы сохранятся."
LangString VelindraStartNow ${LANG_RUSSIAN} "&Запустить ${PRODUCT}"
LangString VelindraStillRunning ${LANG_RUSSIAN} "${PRODUCT} всё ещё работает, и закрыть программу не удалось.$\r$\n$\r$\nЗавершите её командой «Выход» (в окне программы или в меню её значка в области уведомлений), затем нажмите «Повтор». «Отмена» прерывает работу: ничего не изменено."
LangString VelindraStillRunningLog ${LANG_RUSSIAN} "${PRODUCT} всё ещё работает: ничего не изменено."
LangString VelindraCannotWrite ${LANG_RUSSIAN} "Невозможно установить ${PRODUCT} в папку$\r$\n$INSTDIR$\r$\nтак как в эту папку нельзя записывать.$\r$\n$\r$\nВыберите собственную папку, например$\r$\n$LOCALAPPDATA\Programs\${PRODUCT}"
LangString VelindraCannotWriteLog ${LANG_RUSSIAN} "Запись в $INSTDIR невозможна: ничего не установлено."
LangString VelindraOwnDataTitle ${LANG_RUSSIAN} "Ваши настройки"
LangString VelindraOwnDataSubtitle ${LANG_RUSSIAN} "Выберите, удалять ли также ваши собственные данные."
LangString VelindraOwnDataText ${LANG_RUSSIAN} "${PRODUCT} хранит ваши настройки в реестре: введённые вами первый день и длительности, а также то, что вы выбрали на странице «Параметры». Кроме того, вы могли добавить в папку программы собственные языковые файлы.$\r$\n$\r$\nВсё это останется на месте, чтобы после новой установки можно было продолжить с того же места, если только вы не установите флажок ниже."
LangString VelindraOwnDataBox ${LANG_RUSSIAN} "&Удалить также ваши настройки, включая даты цикла, и ваши собственные языковые файлы"

; Polish
LangString VelindraFolderText ${LANG_POLISH} "Instalator zainstaluje program ${PRODUCT} ${VERSION} tylko dla Ciebie, w folderze podanym poniżej. Uprawnienia administratora nie są potrzebne.$\r$\n$\r$\nJeśli program ${PRODUCT} jest uruchomiony, instalator poprosi o jego zamknięcie. Twoje ustawienia i własne pliki językowe zostaną zachowane."
LangString VelindraStartNow ${LANG_POLISH} "&Uruchom program ${PRODUCT}"
LangString VelindraStillRunning ${LANG_POLISH} "Program ${PRODUCT} nadal działa i nie udało się go zamknąć.$\r$\n$\r$\nZakończ go poleceniem „Zakończ” (w jego oknie lub w menu jego ikony w obszarze powiadomień), a następnie kliknij „Ponów próbę”. „Anuluj” przerywa w tym miejscu: nic nie zostało zmienione."
LangString VelindraStillRunningLog ${LANG_POLISH} "Program ${PRODUCT} nadal działa: nic nie zostało zmienione."
LangString VelindraCannotWrite ${LANG_POLISH} "Nie można zainstalować programu ${PRODUCT} w folderze$\r$\n$INSTDIR$\r$\nponieważ nie można w nim zapisywać.$\r$\n$\r$\nWybierz własny folder, na przykład$\r$\n$LOCALAPPDATA\Programs\${PRODUCT}"
LangString VelindraCannotWriteLog ${LANG_POLISH} "Nie można zapisywać w $INSTDIR: nic nie zostało zainstalowane."
LangString VelindraOwnDataTitle ${LANG_POLISH} "Twoje ustawienia"
LangString VelindraOwnDataSubtitle ${LANG_POLISH} "Zdecyduj, czy usunąć również Twoje własne dane."
LangString VelindraOwnDataText ${LANG_POLISH} "Program ${PRODUCT} przechowuje Twoje ustawienia (wprowadzony pierwszy dzień i długości oraz wybory na stronie Opcje) w rejestrze. W jego folderze mogą też być Twoje własne pliki językowe.$\r$\n$\r$\nPozostaną one na miejscu, aby po ponownej instalacji można było kontynuować bez zmian, chyba że zaznaczysz pole poniżej."
LangString VelindraOwnDataBox ${LANG_POLISH} "&Usuń także ustawienia, w tym daty cyklu, oraz własne pliki językowe"

; Turkish
LangString VelindraFolderText ${LANG_TURKISH} "Kurulum, ${PRODUCT} ${VERSION} sürümünü yalnızca sizin için aşağıdaki klasöre yükleyecek. Yönetici hakları gerekmez.$\r$\n$\r$\n${PRODUCT} çalışıyorsa Kurulum programdan kapanmasını ister. Ayarlarınız ve kendi dil dosyalarınız korunur."
LangString VelindraStartNow ${LANG_TURKISH} "${PRODUCT} uygulamasını şimdi &başlat"
LangString VelindraStillRunning ${LANG_TURKISH} "${PRODUCT} hâlâ çalışıyor ve kapatılamadı.$\r$\n$\r$\nProgramı “Çıkış” ile (penceresinden ya da bildirim alanındaki simgesinin menüsünden) kapatın, ardından “Yeniden Dene” düğmesine tıklayın. “İptal” işlemi burada durdurur: Hiçbir şey değiştirilmedi."
LangString VelindraStillRunningLog ${LANG_TURKISH} "${PRODUCT} hâlâ çalışıyor: Hiçbir şey değiştirilmedi."
LangString VelindraCannotWrite ${LANG_TURKISH} "${PRODUCT} şu klasöre yüklenemiyor:$\r$\n$INSTDIR$\r$\nBu klasöre yazılamıyor.$\r$\n$\r$\nKendinize ait bir klasör seçin, örneğin$\r$\n$LOCALAPPDATA\Programs\${PRODUCT}"
LangString VelindraCannotWriteLog ${LANG_TURKISH} "$INSTDIR klasörüne yazılamıyor: Hiçbir şey yüklenmedi."
LangString VelindraOwnDataTitle ${LANG_TURKISH} "Ayarlarınız"
LangString VelindraOwnDataSubtitle ${LANG_TURKISH} "Kendi verilerinizin de kaldırılıp kaldırılmayacağını seçin."
LangString VelindraOwnDataText ${LANG_TURKISH} "${PRODUCT}, ayarlarınızı (girdiğiniz ilk günü ve süreleri, Seçenekler sayfasındaki tercihlerinizi) kayıt defterinde saklar; ayrıca klasörüne kendi dil dosyalarınızı eklemiş olabilirsiniz.$\r$\n$\r$\nAşağıdaki kutuyu işaretlemediğiniz sürece bunlar yerinde kalır; böylece daha sonraki bir kurulum kaldığınız yerden devam eder."
LangString VelindraOwnDataBox ${LANG_TURKISH} "Döngü tarihleriniz dahil &ayarlarınızı ve kendi dil dosyalarınızı da kaldır"

; Portuguese (Brazil)
LangString VelindraFolderText ${LANG_PORTUGUESEBR} "O instalador vai instalar o ${PRODUCT} ${VERSION} só para você, na pasta abaixo. Não são necessários direitos de administrador.$\r$\n$\r$\nSe o ${PRODUCT} estiver em execução, o instalador pedirá que ele seja fechado. Suas configurações e seus próprios arquivos de idioma são mantidos."
LangString VelindraStartNow ${LANG_PORTUGUESEBR} "&Iniciar o ${PRODUCT} agora"
LangString VelindraStillRunning ${LANG_PORTUGUESEBR} "O ${PRODUCT} ainda está em execução e não pôde ser fechado.$\r$\n$\r$\nFeche-o com “Sair” (na janela dele ou no menu do ícone dele na área de notificação) e clique em “Repetir”. “Cancelar” para por aqui: nada foi alterado."
LangString VelindraStillRunningLog ${LANG_PORTUGUESEBR} "O ${PRODUCT} ainda está em execução: nada foi alterado."
LangString VelindraCannotWrite ${LANG_PORTUGUESEBR} "Não é possível instalar o ${PRODUCT} em$\r$\n$INSTDIR$\r$\nporque não é possível gravar nessa pasta.$\r$\n$\r$\nEscolha uma pasta sua, por exemplo$\r$\n$LOCALAPPDATA\Programs\${PRODUCT}"
LangString VelindraCannotWriteLog ${LANG_PORTUGUESEBR} "Não é possível gravar em $INSTDIR: nada foi instalado."
LangString VelindraOwnDataTitle ${LANG_PORTUGUESEBR} "Suas configurações"
LangString VelindraOwnDataSubtitle ${LANG_PORTUGUESEBR} "Escolha se os seus próprios dados também serão removidos."
LangString VelindraOwnDataText ${LANG_PORTUGUESEBR} "O ${PRODUCT} guarda suas configurações (o primeiro dia e as durações que você informou, suas escolhas na página Opções) no Registro, e talvez você tenha adicionado arquivos de idioma próprios à pasta dele.$\r$\n$\r$\nEles permanecem onde estão, para que uma instalação futura continue de onde você parou, a menos que você marque a caixa abaixo."
LangString VelindraOwnDataBox ${LANG_PORTUGUESEBR} "&Remover também suas configurações, incluindo as datas do seu ciclo, e seus próprios arquivos de idioma"

; Japanese
LangString VelindraFolderText ${LANG_JAPANESE} "${PRODUCT} ${VERSION} を、お使いのアカウント専用として下のフォルダにインストールします。管理者権限は必要ありません。$\r$\n$\r$\n${PRODUCT} が実行中の場合は、終了するよう求めます。設定と、ご自分で追加した言語ファイルはそのまま残ります。"
LangString VelindraStartNow ${LANG_JAPANESE} "${PRODUCT} を今すぐ起動する(&S)"
LangString VelindraStillRunning ${LANG_JAPANESE} "${PRODUCT} はまだ実行中で、終了できませんでした。$\r$\n$\r$\nウィンドウまたは通知領域のアイコンのメニューにある [終了] で ${PRODUCT} を終了してから、[再試行] をクリックしてください。[キャンセル] をクリックすると、ここで中止します。何も変更されていません。"
LangString VelindraStillRunningLog ${LANG_JAPANESE} "${PRODUCT} はまだ実行中です。何も変更されていません。"
LangString VelindraCannotWrite ${LANG_JAPANESE} "次のフォルダには書き込めないため、${PRODUCT} をインストールできません。$\r$\n$INSTDIR$\r$\n$\r$\n次のような、ご自分のフォルダを選んでください。$\r$\n$LOCALAPPDATA\Programs\${PRODUCT}"
LangString VelindraCannotWriteLog ${LANG_JAPANESE} "$INSTDIR に書き込めません。何もインストールされていません。"
LangString VelindraOwnDataTitle ${LANG_JAPANESE} "設定"
LangString VelindraOwnDataSubtitle ${LANG_JAPANESE} "ご自分のデータも削除するかどうかを選んでください。"
LangString VelindraOwnDataText ${LANG_JAPANESE} "${PRODUCT} は、設定（入力した最初の日と日数、[オプション] ページでの選択）をレジストリに保存しています。また、${PRODUCT} のフォルダに、ご自分で言語ファイルを追加している場合もあります。$\r$\n$\r$\n下のチェック ボックスをオンにしない限り、これらはそのまま残り、次にインストールしたときに前回の続きから使えます。"
LangString VelindraOwnDataBox ${LANG_JAPANESE} "周期の日付を含む設定と、ご自分で追加した言語ファイルも削除する(&A)"

; Simplified Chinese
LangString VelindraFolderText ${LANG_SIMPCHINESE} "安装程序将只为你把 ${PRODUCT} ${VERSION} 安装到下面的文件夹中，无需管理员权限。$\r$\n$\r$\n如果 ${PRODUCT} 正在运行，安装程序会先请它退出。你的设置和你自己的语言文件都会保留。"
LangString VelindraStartNow ${LANG_SIMPCHINESE} "立即启动 ${PRODUCT}(&S)"
LangString VelindraStillRunning ${LANG_SIMPCHINESE} "${PRODUCT} 仍在运行，无法关闭。$\r$\n$\r$\n请用“退出”（在其窗口中或通知区域图标的菜单中）结束 ${PRODUCT}，然后单击“重试”。单击“取消”将在此停止：未做任何更改。"
LangString VelindraStillRunningLog ${LANG_SIMPCHINESE} "${PRODUCT} 仍在运行：未做任何更改。"
LangString VelindraCannotWrite ${LANG_SIMPCHINESE} "无法将 ${PRODUCT} 安装到$\r$\n$INSTDIR$\r$\n因为无法写入该文件夹。$\r$\n$\r$\n请选择你自己的文件夹，例如$\r$\n$LOCALAPPDATA\Programs\${PRODUCT}"
LangString VelindraCannotWriteLog ${LANG_SIMPCHINESE} "无法写入 $INSTDIR：未安装任何内容。"
LangString VelindraOwnDataTitle ${LANG_SIMPCHINESE} "你的设置"
LangString VelindraOwnDataSubtitle ${LANG_SIMPCHINESE} "选择是否同时删除你自己的数据。"
LangString VelindraOwnDataText ${LANG_SIMPCHINESE} "${PRODUCT} 将你的设置（你输入的第一天和天数，以及你在“选项”页上的选择）保存在注册表中；你也可能在其文件夹中添加了自己的语言文件。$\r$\n$\r$\n除非勾选下面的复选框，否则这些都会保留，以后重新安装时可以接着使用。"
LangString VelindraOwnDataBox ${LANG_SIMPCHINESE} "同时删除你的设置（包括周期日期）和你自己的语言文件(&A)"
