<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>EulaPage</name>
    <message><source>EULA</source><translation>END USER LICENSE AGREEMENT

Please read this agreement before you use the software. By choosing &quot;I Agree&quot; you accept its terms; if you do not accept them, choose &quot;Cancel&quot; and do not use the software.

1. Licence. You may install this copy of the software and use it to sign in to the communications service accounts that you are entitled to use.

2. Restrictions. You may not sell, rent, lend or sublicense the software, and you may not remove or alter its notices.

3. Open-source components. The software contains open-source components, each under its own licence. The About window lists them.

4. Your data. The software keeps your user name on this computer. Your password is kept only when you choose &quot;Remember password&quot;, and then only in your desktop&apos;s secret store.

5. No warranty. The software is provided &quot;as is&quot;, without warranty of any kind. As far as the law allows, the supplier is not liable for any damage that arises from its use.

6. Termination. This licence ends when you stop using the software and delete every copy of it.</translation></message>
</context>
</TS>
